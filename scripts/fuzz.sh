#!/usr/bin/env bash
# Runs the fuzz targets with libFuzzer (clang, AddressSanitizer + UBSan) in build-fuzz/.
#   scripts/fuzz.sh                  every target, 60 seconds each
#   scripts/fuzz.sh TARGET [SECONDS] one target (settingsfile, calendar, ...: see fuzz/CMakeLists.txt)
#   scripts/fuzz.sh all SECONDS      every target, SECONDS each
# New inputs that reach new code go to fuzz/corpus-new/TARGET (not in git; copy the useful ones
# into fuzz/corpus/TARGET). A crash leaves its input in fuzz/crashes/; fix the fault, then keep the
# input in fuzz/regressions/TARGET so the test command replays it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-60}

need=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

targets=$(sed -n 's/^vyn_add_fuzz_target(\([a-z]*\) .*/\1/p' fuzz/CMakeLists.txt)
if [ "$target" != all ]; then
    echo "$targets" | grep -qx "$target" || { echo "fuzz.sh: no target $target (one of: $(echo $targets))" >&2; exit 2; }
    targets=$target
fi

if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYN_FUZZ=ON >/dev/null
fi
cmake --build build-fuzz -j2 --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

export QT_QPA_PLATFORM=offscreen TZ=Asia/Dubai LANG=C.UTF-8
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p fuzz/crashes
status=0
for t in $targets; do
    mkdir -p fuzz/corpus-new/$t
    echo "== $t: $seconds s =="
    # Large enough for real files, small enough that each run stays quick.
    log=fuzz/crashes/$t.log
    if ! build-fuzz/bin/fuzz_$t fuzz/corpus-new/$t fuzz/corpus/$t fuzz/regressions/$t \
        -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=fuzz/crashes/$t- -print_final_stats=1 >"$log" 2>&1; then
        status=1
        grep -E "ERROR|SUMMARY|fuzz check|Test unit written" "$log" | head -20
    fi
    grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units|stat::peak_rss" "$log" | tail -4
done
exit $status
