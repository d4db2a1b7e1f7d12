#!/usr/bin/env bash
# Installs the build into a prefix under WORK and checks the installed tree: the
# plug-in in plugins/, the three tools in bin/, nothing else, no run path. Then
# exports the demo company's March with the installed orvex-export, which is not
# told the plug-in file: the dynamic loader's log must show that it opened the
# installed plug-in, and its file must equal that of the build tree's orvex-export.
#
#   installedexport.sh CMAKE BUILD_DIR WORK MARIADB_DIR DEMO_COMPANY BUILT_EXPORT PLUGIN_FILE_NAME
set -euo pipefail
cmake="$1" build="$2" work="$3" dbdir="$4" demo="$5" built_export="$6" plugin_name="$7"
hostdb="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)/hostdb.sh"
prefix="$work/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work" && mkdir -p "$work/installed-out" "$work/built-out"
# What "cmake --install BUILD --prefix PREFIX" does (that form needs CMake 3.15).
"$cmake" -DCMAKE_INSTALL_PREFIX="$prefix" -P "$build/cmake_install.cmake" > "$work/install.log"
installed="$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')"
[ "$installed" = "./bin/orvex-export ./bin/orvex-prepare-test ./bin/orvex-settings ./plugins/$plugin_name " ] \
    || fail "the installed files are: $installed"
for file in "$prefix"/bin/* "$prefix/plugins/$plugin_name"; do
    if readelf -d "$file" | grep -E 'RPATH|RUNPATH'; then fail "$file keeps a run path"; fi
done

database=t_installed_demo
sock="$(bash "$hostdb" socket "$dbdir")"
bash "$hostdb" create "$dbdir" "$database"
"$demo" > "$work/demo-company.sql"
bash "$hostdb" sql "$dbdir" "$database" < "$work/demo-company.sql"

# The demo's March exports with warnings: exit status 3.
export_month() {
    local status=0
    "$1" --socket "$sock" --user root --database "$database" --month 2024-03 --out "$2" --quiet || status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 3 ] || fail "$1 ended with status $status"
}
LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loader" export_month "$prefix/bin/orvex-export" "$work/installed-out"
grep -q "file=$prefix/plugins/$plugin_name " "$work"/loader.* \
    || fail "the installed orvex-export did not load $prefix/plugins/$plugin_name"
if grep -q "file=$build/plugins/" "$work"/loader.*; then fail "the installed orvex-export loaded the built plug-in"; fi
export_month "$built_export" "$work/built-out"

built_files="$(cd "$work/built-out" && ls)"
[ -n "$built_files" ] || fail "the build tree's export wrote no file"
[ "$(cd "$work/installed-out" && ls)" = "$built_files" ] || fail "the exports wrote different files"
for file in $built_files; do
    cmp "$work/built-out/$file" "$work/installed-out/$file" || fail "$file differs"
done
echo "installed export: $built_files: $(cd "$work/installed-out" && cat $built_files | wc -l) lines, as the build tree's"
