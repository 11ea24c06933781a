#!/usr/bin/env bash
# "отчет" through the real windows (xcb; run under xvfb-run without a
# display): the set-up window answered with File, a format and OK, the
# status window shown, timed from OK until the main window answers; each
# beside its yardstick in the same run: enscript turning the same text into
# PostScript for the snapshot (RPS), enscript and then ps2pdf for PDF and
# PRN. Medians of RUNS alternating runs, for 100,000 and 200,000 lines, then
# each format's 200,000/100,000 ratio. Needs root for its own CUPS server
# (the set-up window offers file output only with a printer).
#   bash bench/app/report_windows.sh BUILD_DIR [RUNS] [FORMATS]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
runs=${2:-3}
formats=${3:-rps pdf prn}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
work=$(mktemp -d)
source "$here/../../scripts/cups-server.sh"
trap 'stop_cups; rm -rf "$work"' EXIT
start_cups "$work" >/dev/null 2>&1
cp "$here/../../resources/Project1.rpj" "$work/"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
seconds() { local start=$(date +%s%N); "$@" >/dev/null 2>&1; echo "$(( $(date +%s%N) - start ))e-9" | awk '{printf "%.3f\n", $1}'; }
# The same text to PostScript, and on to PDF through a file: ghostscript 10
# reads a pipe a few bytes at a time, which made the yardstick 15 times slower.
yardstick() { # FORMAT
  enscript -q -p "$work/y.ps" "$work/report.txt"
  [ "$1" = rps ] || ps2pdf "$work/y.ps" "$work/y.pdf"
}

declare -A ours
for lines in 100000 200000; do
  for format in $formats; do
    program=() other=()
    for _ in $(seq "$runs"); do
      program+=("$("$build/bench/app/report_window_bench" "$work" "$lines" "$format" 2>/dev/null |
                   sed -n 's/.*lines: \([0-9.]*\) s.*/\1/p')")
      other+=("$(seconds yardstick "$format")")
    done
    p=$(printf '%s\n' "${program[@]}" | median)
    y=$(printf '%s\n' "${other[@]}" | median)
    # The worst run: the highest ratio of a run to the yardstick beside it.
    worst=$(paste <(printf '%s\n' "${program[@]}") <(printf '%s\n' "${other[@]}") |
            awk '{r = $1 / $2; if (r > w) w = r} END {printf "%.2f", w}')
    ours[$format$lines]=$p
    name=$([ "$format" = rps ] && echo enscript || echo "enscript, ps2pdf")
    awk -v f="$format" -v n="$lines" -v p="$p" -v y="$y" -v name="$name" -v r="$runs" -v w="$worst" 'BEGIN {
      printf "%s, %d lines: zamt05 %.3f s, %s %.3f s (medians of %d), ratio %.2f, worst run %.2f\n",
             f, n, p, name, y, r, p / y, w }'
  done
done
for format in $formats; do
  awk -v f="$format" -v a="${ours[${format}100000]}" -v b="${ours[${format}200000]}" 'BEGIN {
    printf "%s: 200,000 against 100,000 lines %.2f\n", f, b / a }'
done
