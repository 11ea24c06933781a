#!/usr/bin/env bash
# "файл" with a 10 MB Windows-1251 text through the shown main window,
# against a bare Qt window whose plain text view reads, decodes and shows the
# same file; both through the window system (run under xvfb-run without a
# display), one load per process, RUNS alternating runs. Prints the medians,
# the worst run (the highest ratio of a run to the bare load beside it) and
# the peak memory of each.
#   bash bench/app/load_text.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-5}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Record-like lines ("число Рейнольдса ...") up to 10 MB.
line=$(printf 'число Рейнольдса Re_min = 6,27584E7; line of a passport record\r' | iconv -t CP1251)
awk -v l="$line" 'BEGIN { while (n < 10000000) { print l; n += length(l) + 1 } }' >"$work/big.txt"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
ours=() bare=() ours_peak=() bare_peak=()
for _ in $(seq "$runs"); do
  read -r ms peak < <("$build/bench/app/load_text" "$work/big.txt" 2>/dev/null)
  ours+=("$ms") ours_peak+=("$peak")
  read -r ms peak < <("$build/bench/app/bare_load" "$work/big.txt" 2>/dev/null)
  bare+=("$ms") bare_peak+=("$peak")
done
worst=$(paste <(printf '%s\n' "${ours[@]}") <(printf '%s\n' "${bare[@]}") |
        awk '{r = $1 / $2; if (r > w) w = r} END {printf "%.2f", w}')
o=$(printf '%s\n' "${ours[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
awk -v o="$o" -v b="$b" -v n="$runs" -v w="$worst" 'BEGIN {
  printf "файл, 10 MB: zamt05 %.0f ms, bare load %.0f ms (medians of %d), ratio %.2f, worst run %.2f\n",
         o, b, n, o / b, w }'
echo "peak MiB, zamt05: ${ours_peak[*]}; bare load: ${bare_peak[*]}"
