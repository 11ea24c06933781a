#!/usr/bin/env bash
# Printing N passport files into PDFs without a window: one `--print` of all
# of them into a folder, N `--print` runs of one file each, and beside them
# the yardstick enscript, then ps2pdf, of each file, all in one run: medians of
# RUNS alternating rounds, in milliseconds.
# Usage: bench/app/print_files.sh BUILD_DIR [FILES] [RUNS]
set -euo pipefail
program="$(realpath "${1:?build folder}")/src/app/zamt05"
files="${2:-50}"
runs="${3:-5}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$(dirname "$0")/../../resources/Project1.rpj" "$work/"
cd "$work"
mkdir in out
for n in $(seq -w "$files"); do
  for row in $(seq 30); do printf 'passport %s, row %s: 0.9876543 m\r\n' "$n" "$row"; done >"in/p$n.txt"
done
export QT_QPA_PLATFORM=offscreen

one_run() { "$program" --print in/*.txt --to out/; }
a_run_each() { for f in in/*.txt; do "$program" --print "$f" --to "out/$(basename "$f" .txt).pdf"; done; }
# Through a file: ghostscript 10 reads a pipe a few bytes at a time.
yardstick() {
  for f in in/*.txt; do
    enscript -q -o out/y.ps "$f" && ps2pdf out/y.ps "out/$(basename "$f" .txt).y.pdf"
  done
}

ms() { local s e; s=$(date +%s%N); "$@" 2>/dev/null; e=$(date +%s%N); echo $(((e - s) / 1000000)); }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

one_run && yardstick # warm the caches
declare -A times
for _ in $(seq "$runs"); do
  for what in one_run a_run_each yardstick; do times[$what]+="$(ms "$what") "; done
done
for what in one_run a_run_each yardstick; do
  printf '%-11s %6s ms for %s files\n' "$what" "$(tr ' ' '\n' <<<"${times[$what]}" | grep . | median)" "$files"
done
