#!/usr/bin/env bash
# Sets up and builds zamt05, then runs every test: the code that needs no
# window under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers
# of the page stream and report project readers for a bounded time, and
# last the whole test suite (windows on Qt's offscreen platform), ending
# with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
source scripts/setup.sh

# Test builds favour compile time: one translation unit per few sources, no
# optimisation in the plain build.
common=(-G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_UNITY_BUILD=ON -DZAMT_BENCH=OFF "${zamt_cmake_cache[@]}")

echo "== Sanitizer build: everything that needs no window =="
cmake -S . -B build-asan "${common[@]}" -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DZAMT_SANITIZE=ON -DZAMT_WIDGETS=OFF -DZAMT_LAYER_CHECKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure --timeout 300

echo "== Fuzzing the page stream and report project readers =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz "${common[@]}" -DCMAKE_CXX_FLAGS="-O1 -g1" \
  -DZAMT_FUZZ=ON -DZAMT_WIDGETS=OFF -DZAMT_TESTS=OFF -DZAMT_LAYER_CHECKS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs"
bash fuzz/run.sh build-fuzz "${ZAMT_FUZZ_SECONDS:-60}"

echo "== The program as the run command builds it (one file at a time) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${zamt_cmake_cache[@]}" >/dev/null
cmake --build build -j"$jobs" --target zamt05

echo "== All tests =="
cmake -S . -B build-tests "${common[@]}" -DCMAKE_CXX_FLAGS="-O0" >/dev/null
cmake --build build-tests -j"$jobs"
ctest --test-dir build-tests -j"$jobs" --output-on-failure --timeout 300
