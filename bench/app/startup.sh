#!/usr/bin/env bash
# Start-up to the main window shown, against a bare Qt Widgets window built
# by the same CMake, both measured in one run: medians of N alternating runs.
# Usage: bench/app/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build="${1:?build folder}"
runs="${2:-30}"
# Through the window system as the user sees it (run under xvfb-run without a display).
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-xcb}"
program="$build/bench/app/zamt05_startup"
bare="$build/bench/app/bare_window"

time_ms() {
  local start end
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

"$program" && "$bare" # warm the caches
program_times=() bare_times=()
for _ in $(seq "$runs"); do
  program_times+=("$(time_ms "$program")")
  bare_times+=("$(time_ms "$bare")")
done
p=$(printf '%s\n' "${program_times[@]}" | median)
b=$(printf '%s\n' "${bare_times[@]}" | median)
# The worst run: the highest ratio of a run to the bare window's beside it.
worst=$(paste <(printf '%s\n' "${program_times[@]}") <(printf '%s\n' "${bare_times[@]}") |
        awk '{r = $1 / $2; if (r > w) w = r} END {printf "%.2f", w}')
awk -v p="$p" -v b="$b" -v n="$runs" -v w="$worst" 'BEGIN {
  printf "start-up to main window shown: zamt05 %.1f ms, bare window %.1f ms (medians of %d), ratio %.2f, worst run %.2f\n",
         p / 1000, b / 1000, n, p / b, w }'
