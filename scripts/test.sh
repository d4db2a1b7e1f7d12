#!/usr/bin/env bash
# The whole test suite on a fresh Debian 12 machine: installs what is missing,
# builds, starts the private MariaDB (through CTest) and runs every test in the
# host's time zone under a Slovak locale (decimal comma). Then the same suite
# once more, built with AddressSanitizer and UndefinedBehaviorSanitizer; any
# sanitizer report fails it. ORVEX_SKIP_SANITIZE=1 skips that second pass.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/setup-debian.sh"

run_suite() {
    local build="$1"; shift
    BUILD_DIR="$build" bash "$root/scripts/build.sh" "$@"
    # Four tests at a time on two cores: most of the suite waits (for MariaDB,
    # for the tools it runs, for the timeouts it provokes) rather than computes.
    (cd "$build" && TZ=Europe/Bratislava LC_ALL=sk_SK.UTF-8 LANG=sk_SK.UTF-8 \
        ctest --output-on-failure -j"${TEST_JOBS:-4}")
}

echo "== test suite"
run_suite "${BUILD_DIR:-$root/build}"

if [ "${ORVEX_SKIP_SANITIZE:-0}" != 1 ]; then
    echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # -O1, as AddressSanitizer advises, and -g1: line tables, enough for the
    # reports' stacks with file, line and inlined frames; a third quicker to build
    # than RelWithDebInfo's -O2 -g.
    BUILD_TYPE=RelWithDebInfo run_suite "${SANITIZE_BUILD_DIR:-$root/build-sanitize}" -DORVEX_SANITIZE=ON \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
fi
