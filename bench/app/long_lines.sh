#!/usr/bin/env bash
# Reports of lines that each wrap into many rows, through the real windows
# (xcb; run under xvfb-run without a display): LINES and then twice as many
# lines of CHARS characters, each format, medians of RUNS runs, and the
# ratio of the two (linear is 2). Needs root for its own CUPS server.
#   bash bench/app/long_lines.sh BUILD_DIR [LINES] [CHARS] [RUNS] [FORMATS]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
lines=${2:-5000}
export LINE_CHARS=${3:-4096}
runs=${4:-3}
formats=${5:-rps pdf prn}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
work=$(mktemp -d)
source "$here/../../scripts/cups-server.sh"
trap 'stop_cups; rm -rf "$work"' EXIT
start_cups "$work" >/dev/null 2>&1
cp "$here/../../resources/Project1.rpj" "$work/"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
for format in $formats; do
  declare -A seconds=()
  for n in "$lines" $((lines * 2)); do
    times=()
    for _ in $(seq "$runs"); do
      out=$("$build/bench/app/report_window_bench" "$work" "$n" "$format" 2>/dev/null)
      times+=("$(sed -n 's/.*lines: \([0-9.]*\) s.*/\1/p' <<<"$out")")
      peak=$(sed -n 's/.*peak \([0-9]*\) MiB, text view \([0-9]*\) MiB.*/\1 of \2/p' <<<"$out")
    done
    seconds[$n]=$(printf '%s\n' "${times[@]}" | median)
    echo "$format, $n lines of $LINE_CHARS characters: ${seconds[$n]} s (median of $runs), peak MiB $peak text view"
  done
  awk -v f="$format" -v a="${seconds[$lines]}" -v b="${seconds[$((lines * 2))]}" 'BEGIN {
    printf "%s: twice the lines %.2f\n", f, b / a }'
done
