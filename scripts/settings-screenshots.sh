#!/usr/bin/env bash
# Screenshots of the export's settings page for the documentation:
# docs/settings-tab1.png (absences), -tab2.png (bonus items), -tab3.png (other settings).
#
#   scripts/settings-screenshots.sh [OUTPUT_DIR]      (default: docs/ of the checkout)
#
# Builds orvex-settings, starts a private MariaDB (scripts/hostdb.sh) under
# BUILD_DIR, loads the demo company (tools/demo-company) with its interruption
# catalogue and stored export settings, and lets orvex-settings --screenshot render
# every tab offscreen. The edited options record is kept as
# BUILD_DIR/settings-screenshots.json.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$root/docs}"
dbdir="$build/mariadb-settings"
dbname="orvex_settings_demo"

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" >/dev/null
cmake --build "$build" --target orvex-settings demo-company -- -j"$(nproc)" >/dev/null

sock="$(bash "$root/scripts/hostdb.sh" start "$dbdir")"
trap 'bash "$root/scripts/hostdb.sh" stop "$dbdir"' EXIT
bash "$root/scripts/hostdb.sh" create "$dbdir" "$dbname"

# The demo company of scripts/demo.sh: its interruption catalogue and stored
# export settings (the demo's days are stamped in the host's zone).
TZ=Europe/Bratislava "$build/bin/demo-company" > "$build/settings-screenshots.sql"
bash "$root/scripts/hostdb.sh" sql "$dbdir" "$dbname" < "$build/settings-screenshots.sql"

QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ORVEX_DB_PASSWORD="" \
    "$build/bin/orvex-settings" --socket "$sock" --user root --database "$dbname" --screenshot "$out" --size 1120x560 \
    > "$build/settings-screenshots.json"
echo "settings-screenshots: $(ls "$out"/settings-tab*.png | tr '\n' ' ')"
