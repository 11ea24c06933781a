#!/usr/bin/env bash
# "отчет" over a text view of 1,000,000 lines through the real windows to
# each format (see report_windows.sh): the run's time and peak memory against
# the memory of the text view holding the text (the limit is twice that);
# then the same runs cancelled in the status window after CANCEL_MS, with the
# time from the click until the main window answers, and what is left in
# the output folder and in the temporary folder afterwards.
#   bash bench/app/million_lines.sh BUILD_DIR [CANCEL_MS] [FORMATS]
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
cancel=${2:-1500}
formats=${3:-rps pdf prn}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb}
work=$(mktemp -d)
temp=$(mktemp -d) # the runs' temporary folder, to see what is left there
source "$here/../../scripts/cups-server.sh"
trap 'stop_cups; rm -rf "$work" "$temp"' EXIT
start_cups "$work" >/dev/null 2>&1
mkdir "$work/out"
cp "$here/../../resources/Project1.rpj" "$work/out/"

for format in $formats; do
  for after in "" "$cancel"; do
    line=$(TMPDIR=$temp "$build/bench/app/report_window_bench" "$work/out" 1000000 "$format" $after 2>/dev/null)
    echo "$line" | awk '{ for (i = 1; i <= NF; i++) { if ($i == "peak") p = $(i+1); if ($i == "view") t = $(i+1) } }
                        { if (t) printf "%s; memory %.2f of the text view\n", $0, p / t; else print }'
    left=$(ls -A "$work/out" | grep -v -e '^Project1.rpj$' -e '^report.txt$' -e "^report.$format$" || true)
    [ -z "$after" ] || left=$(ls -A "$work/out" | grep -v -e '^Project1.rpj$' -e '^report.txt$' || true)
    # The folders every program leaves there (Qt's run-time folder, the
    # user's folder for instances) are not counted; files are.
    echo "  left in the output folder: ${left:-nothing}; in the temporary folder: $(find "$temp" -type f | tr '\n' ' ' | sed 's/^$/nothing/')"
    rm -f "$work/out/report.$format"
  done
done
