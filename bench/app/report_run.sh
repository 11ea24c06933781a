#!/usr/bin/env bash
# "отчет" over 100,000 and 200,000 lines of the text view to a snapshot file,
# each beside enscript turning the same text into PostScript.
#   bash bench/app/report_run.sh BUILD_DIR      (a Release build with benchmarks)
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/resources/Project1.rpj" "$work/"
for lines in 100000 200000; do
  "$build/bench/app/report_run_bench" "$work" "$lines" 2>/dev/null
  start=$(date +%s.%N)
  enscript -q -p "$work/report.ps" "$work/report.txt"
  end=$(date +%s.%N)
  printf 'enscript %d lines: %.2f s, %d bytes\n' "$lines" \
    "$(awk "BEGIN { print $end - $start }")" "$(stat -c %s "$work/report.ps")"
done
