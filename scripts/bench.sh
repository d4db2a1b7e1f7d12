#!/usr/bin/env bash
# Scale benchmark: builds (Release), starts a private MariaDB under the build
# folder, generates companies of 1,000, 10,000 and 50,000 people (the largest
# in about a minute and a half on 2 cores), exports each
# through the built plug-in and prints the stage times, the floor (the host
# rows merely arriving through the Qt MySQL driver), peak memory, lines and
# the longest stall of the GUI thread's event loop; then cancels an export in
# each step (how soon it stops, whether the earlier file stays) and counts the
# server's failed logins. The floor and the exports read as a password account
# with SELECT on the company only.
#
#   scripts/bench.sh [--sizes 1000,10000,50000] [--reuse] [--runs 3] [--no-cancel]
#
# BUILD_DIR (default: build/ in the checkout) is the build folder; the server's
# data lives in BUILD_DIR/bench-mariadb, the export files in BUILD_DIR/bench-out.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
export BUILD_DIR="${BUILD_DIR:-$root/build}"
BUILD_TYPE=Release bash "$root/scripts/build.sh" >/dev/null

server="$BUILD_DIR/bench-mariadb"
socket="$(bash "$root/scripts/hostdb.sh" start "$server")"
trap 'bash "$root/scripts/hostdb.sh" stop "$server"' EXIT

TZ=Europe/Bratislava LC_ALL=sk_SK.UTF-8 LANG=sk_SK.UTF-8 QT_QPA_PLATFORM=offscreen \
    "$BUILD_DIR/bench/company/orvex-bench-company" --socket "$socket" --work "$BUILD_DIR/bench-out" "$@"
