#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice:
# a normal build and one under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/configure.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for variant in normal asan; do
    dir=build-$variant
    flag=OFF
    [ "$variant" = asan ] && flag=ON
    vyn_configure "$dir" $flag
    cmake --build "$dir" -j "$jobs"
    echo "== tests ($variant) =="
    dbus-run-session -- ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
    # The Debian packages of the device image (build-normal/packages/*.deb).
    if [ "$variant" = normal ]; then
        (cd "$dir" && cpack -G DEB -B "$PWD/packages" >/dev/null) || status=1
    fi
done
exit $status
