#!/usr/bin/env bash
# Sets up and builds zamt05, then runs every test: the code that needs no
# window under AddressSanitizer and UndefinedBehaviorSanitizer, the page
# stream reader's fuzzer for a bounded time, and last the whole test suite
# (windows on Qt's offscreen platform), ending with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

bash scripts/setup.sh

echo "== Sanitizer build: everything that needs no window =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DZAMT_SANITIZE=ON -DZAMT_WIDGETS=OFF -DZAMT_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure

echo "== Fuzzing the page stream reader =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAMT_FUZZ=ON -DZAMT_WIDGETS=OFF -DZAMT_TESTS=OFF -DZAMT_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
bash fuzz/run.sh build-fuzz "${ZAMT_FUZZ_SECONDS:-60}"

echo "== All tests =="
ctest --test-dir build -j"$jobs" --output-on-failure
