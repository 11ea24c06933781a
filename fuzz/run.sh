#!/bin/sh
# run.sh BUILD_DIR SECONDS
# Fuzzes the page stream reader, the report project reader and the PDF
# writer's font subsetter, each on a copy of its seed corpus: side by side
# for half of SECONDS each on a machine of two cores or more, else one after
# the other.
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
targets="stream_reader project_reader font_subset"
if [ "$(nproc)" -ge 2 ]; then
    share=$((seconds / 2))
else
    share=$((seconds / $(echo $targets | wc -w)))
fi
[ "$share" -ge 1 ] || share=1
for target in $targets; do
    if [ ! -x "$build/fuzz/fuzz_$target" ]; then
        echo "$0: $build/fuzz/fuzz_$target not built (configure with -DZAMT_FUZZ=ON)" >&2
        exit 2
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
findings="$build/fuzz-findings"
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen

# fuzz TARGET: runs one fuzzer; libFuzzer's progress goes to its log and
# its exit status to TARGET.status in the work folder.
fuzz() {
    target=$1
    mkdir "$work/$target"
    cp "$here/corpus/$target/"* "$work/$target/"
    dict=""
    [ ! -f "$here/$target.dict" ] || dict="-dict=$here/$target.dict"
    status=0
    # shellcheck disable=SC2086 # $dict is empty or one word
    "$build/fuzz/fuzz_$target" "$work/$target" $dict \
        -max_total_time="$share" \
        -timeout=10 \
        -rss_limit_mb=2048 \
        -malloc_limit_mb=512 \
        -max_len=65536 \
        -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" >"$build/fuzz-$target.log" 2>&1 || status=$?
    echo "$status" >"$work/$target.status"
}

if [ "$(nproc)" -ge 2 ]; then
    for target in $targets; do
        fuzz "$target" &
    done
    wait
else
    for target in $targets; do
        fuzz "$target"
    done
fi

# The summary of each fuzzer, or the finding.
failed=0
for target in $targets; do
    log="$build/fuzz-$target.log"
    status=$(cat "$work/$target.status")
    echo "-- fuzz_$target, $share s"
    if [ "$status" -eq 0 ]; then
        tail -n 14 "$log"
    else
        tail -n 80 "$log"
        echo "$0: fuzz_$target found a fault; the input is in $findings (full log: $log)" >&2
        failed=$status
    fi
done
exit "$failed"
