#!/usr/bin/env bash
# Compiles every source of a build once more, the two checks side by side:
# against the Qt 5.9 headers (QT59_KIT, default ../qt59 beside the checkout's
# shared folder: Debian's Qt 5.15 accepts APIs that the host's Qt 5.9 lacks)
# and for Windows with a MinGW cross compiler against the Qt 5.9.3 Windows
# headers (WINDOWS_KIT). A kit folder that is missing is left out.
#   scripts/check-sources.sh [BUILD_DIR]          (default: build/ in the checkout)
#
# The checks re-run the build's compile commands with the Qt include folders
# replaced. A build with precompiled headers (ORVEX_PCH) names its
# cmake_pch.hxx in every command, and GCC would take the .gch beside it, made
# from Qt 5.15's headers, and pass a source that Qt 5.9 rejects. So the checks
# read a copy of compile_commands.json without the precompiled header: every
# source is compiled from its own text, as a build without ORVEX_PCH does.
# Run the kits' scripts directly only on a build configured with -DORVEX_PCH=OFF.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)"
qt59="${QT59_KIT:-$root/../shared/qt59}"
windows="${WINDOWS_KIT:-$root/../shared/qt593-windows}"

checked="$build/source-checks"
mkdir -p "$checked"
python3 "$root/scripts/commands-without-pch.py" "$build/compile_commands.json" "$checked/compile_commands.json"

# Each check writes to a file of its own; the outputs are shown one after the
# other once both have ended.
pids=() names=() logs=()
run_check() {
    local log="$checked/$1.log" name="$2"; shift 2
    "$@" >"$log" 2>&1 &
    pids+=($!) names+=("$name") logs+=("$log")
}
if [ -d "$qt59" ]; then
    run_check qt59 "sources against the Qt 5.9 headers" python3 "$qt59/check-sources.py" "$checked"
fi
if [ -d "$windows" ]; then
    run_check windows "sources for Windows (MinGW, Qt 5.9.3 headers)" python3 "$windows/check-windows.py" "$checked"
fi

status=0
for i in "${!pids[@]}"; do
    rc=0
    wait "${pids[$i]}" || rc=$?
    echo "== ${names[$i]}"
    cat "${logs[$i]}"
    [ "$rc" = 0 ] || status=1
done
exit "$status"
