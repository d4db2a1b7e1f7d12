#!/usr/bin/env bash
# The demo: installs what is missing, builds, starts the private MariaDB under
# the build folder, loads the demo company (March 2024: Good Friday, the change
# to summer time, sick leave running in from February and on into April) and
# exports its month with orvex-export, as a scheduled task would.
#
#   bash scripts/demo.sh          (BUILD_DIR defaults to build/)
#   DEMO_KEEP_DB=1 bash scripts/demo.sh   leaves the MariaDB server running
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"
export BUILD_DIR="${BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh"

# The host's time zone and locale: the company's days are stamped at local
# midnight, and the export must not depend on the decimal comma.
export TZ=Europe/Bratislava LANG=sk_SK.UTF-8 LC_ALL=sk_SK.UTF-8

db_dir="$BUILD_DIR/mariadb"
database=orvex_demo
out="$BUILD_DIR/demo-out"

echo "== private MariaDB under $db_dir"
sock="$(bash "$root/scripts/hostdb.sh" start "$db_dir")"
if [ "${DEMO_KEEP_DB:-0}" != 1 ]; then
    trap 'bash "$root/scripts/hostdb.sh" stop "$db_dir"' EXIT
fi

echo "== demo company loaded into database $database"
bash "$root/scripts/hostdb.sh" create "$db_dir" "$database"
"$BUILD_DIR/bin/demo-company" > "$BUILD_DIR/demo-company.sql"
bash "$root/scripts/hostdb.sh" sql "$db_dir" "$database" < "$BUILD_DIR/demo-company.sql"

echo "== orvex-export --month 2024-03 --out $out"
rm -rf "$out" && mkdir -p "$out"
status=0
"$BUILD_DIR/bin/orvex-export" --socket "$sock" --user root --database "$database" \
    --month 2024-03 --out "$out" --log "$out/orvex-export.log" > "$out/summary.txt" || status=$?

for file in "$out"/ds*.txt; do
    [ -f "$file" ] || continue
    echo
    echo "== $file: $(wc -l < "$file") lines; the first 20:"
    head -n 20 "$file"
done
echo
echo "== summary (exit status $status)"
cat "$out/summary.txt"
# 3: the file was written, with warnings for the clerk (the demo leaves two
# people out for an unclosed month on purpose).
[ "$status" = 3 ] && status=0
exit "$status"
