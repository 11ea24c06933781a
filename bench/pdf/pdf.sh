#!/usr/bin/env bash
# A 1,000-page snapshot to PDF with the program's PDF renderer, against
# enscript's PostScript of the same text turned into PDF by ps2pdf.
#   bash bench/pdf/pdf.sh BUILD_DIR      (a Release build with benchmarks)
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/pdf/pdf_bench" "$work"
start=$(date +%s.%N)
enscript -q -f Courier10 -p "$work/enscript.ps" "$work/report.txt"
ps2pdf "$work/enscript.ps" "$work/enscript.pdf"
end=$(date +%s.%N)
printf 'enscript | ps2pdf: %.2f s, %d bytes\n' "$(awk "BEGIN { print $end - $start }")" \
  "$(stat -c %s "$work/enscript.pdf")"
