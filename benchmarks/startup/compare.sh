#!/usr/bin/env bash
# prayer_app from start to its first frame saved headless, against bare_window doing the same,
# whole process each, in turns: median wall time and median peak resident memory, and ratios.
# Usage: benchmarks/startup/compare.sh [build-dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-normal}
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen VYN_DEVICE_ROOT=$work/root VYN_HEADLESS_DELAY=0
"$build/bin/vyn-device" install-image >/dev/null

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
# Wall time in ms from the clock, peak resident memory in KiB from time(1).
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(cat "$work/time")"
}
app_t=(); app_m=(); bare_t=(); bare_m=()
for ((i = 0; i < runs; i++)); do
    read -r t m < <(VYN_HEADLESS_OUTPUT=$work/app measure "$build/bin/prayer_app"); app_t+=("$t"); app_m+=("$m")
    read -r t m < <(measure "$build/bin/bare_window" "$work/bare"); bare_t+=("$t"); bare_m+=("$m")
done
[ -s "$work/app.png" ] && [ -s "$work/bare.png" ] || { echo "compare.sh: a program saved no frame" >&2; exit 1; }
at=$(printf '%s\n' "${app_t[@]}" | median); am=$(printf '%s\n' "${app_m[@]}" | median)
bt=$(printf '%s\n' "${bare_t[@]}" | median); bm=$(printf '%s\n' "${bare_m[@]}" | median)
echo "prayer_app    median ${at} ms  ${am} KiB"
echo "bare_window   median ${bt} ms  ${bm} KiB"
awk -v a="$at" -v b="$bt" -v c="$am" -v d="$bm" 'BEGIN { printf "ratio         %.2fx time  %.2fx memory\n", a / b, c / d }'
