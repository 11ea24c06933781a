#!/bin/sh
# run.sh BUILD_DIR SECONDS
# Fuzzes the page stream reader for SECONDS on a copy of the seed corpus.
# Exits non-zero on any finding (crash, sanitizer report, leak, hang, runaway
# memory); the input that caused it is kept in BUILD_DIR/fuzz-findings.
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
fuzzer="$build/fuzz/fuzz_stream_reader"
if [ ! -x "$fuzzer" ]; then
    echo "$0: $fuzzer not built (configure with -DZAMT_FUZZ=ON)" >&2
    exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cp "$here/corpus/stream_reader/"* "$work/"
findings="$build/fuzz-findings"
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
# libFuzzer's progress goes to a log; its summary (or the finding) is shown.
log="$build/fuzz.log"
if "$fuzzer" "$work" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -malloc_limit_mb=512 \
    -max_len=65536 \
    -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1; then
    tail -n 14 "$log"
else
    status=$?
    tail -n 80 "$log"
    echo "$0: the fuzzer found a fault; the input is in $findings (full log: $log)" >&2
    exit "$status"
fi
