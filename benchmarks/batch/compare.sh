#!/usr/bin/env bash
# Times `prayertimes --batch` against the adhan package under node on the same 43,800 city-days,
# whole process each, in turns; prints the median wall time of each and the ratio.
# Usage: benchmarks/batch/compare.sh [build-dir] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-normal}
runs=${2:-7}
tool=$build/bin/prayertimes
[ -x "$tool" ] || { echo "compare.sh: build $tool first" >&2; exit 1; }
command -v node >/dev/null || { echo "compare.sh: node is needed for the peer" >&2; exit 1; }
[ -d "$here/node_modules/adhan" ] || (cd "$here" && npm install --no-audit --no-fund --silent)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_input.py" > "$work/input.tsv"
echo "$(wc -l < "$work/input.tsv") city-days"

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
ours=(); peer=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N); VYN_DEVICE_ROOT=$work/root "$tool" --batch < "$work/input.tsv" > "$work/ours.out"; end=$(date +%s%N)
    ours+=($(( (end - start) / 1000000 )))
    start=$(date +%s%N); node "$here/adhan_batch.js" < "$work/input.tsv" > "$work/peer.out"; end=$(date +%s%N)
    peer+=($(( (end - start) / 1000000 )))
done
ours_ms=$(printf '%s\n' "${ours[@]}" | median)
peer_ms=$(printf '%s\n' "${peer[@]}" | median)
echo "prayertimes --batch   median ${ours_ms} ms   (runs: ${ours[*]})"
echo "adhan under node      median ${peer_ms} ms   (runs: ${peer[*]})"
awk -v a="$ours_ms" -v b="$peer_ms" 'BEGIN { printf "peer / ours           %.2fx\n", b / a }'
# How far the two agree, minute for minute (different astronomy, so a few differ by one).
paste "$work/ours.out" "$work/peer.out" | awk -F'\t' '{ for (i = 1; i <= 6; i++) { n++; if ($i == $(i + 6)) same++ } }
    END { printf "times equal to the minute: %.1f%%\n", 100 * same / n }'
