#!/usr/bin/env bash
# The whole test suite on a fresh Debian 12 machine: installs what is missing,
# builds, starts the private MariaDB (through CTest) and runs every test in the
# host's time zone under a Slovak locale (decimal comma).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
export BUILD_DIR="${BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"
cd "$BUILD_DIR"
TZ=Europe/Bratislava LC_ALL=sk_SK.UTF-8 LANG=sk_SK.UTF-8 ctest --output-on-failure -j2
