#!/usr/bin/env bash
# Sets up and builds zamt05, then runs every test, in two builds:
#  - build-asan (clang): everything that needs no window under
#    AddressSanitizer and UndefinedBehaviorSanitizer, with the coverage hooks
#    of libFuzzer, so that the same build runs those tests and then fuzzes the
#    page stream and report project readers for a bounded time;
#  - build-tests (g++, as the program is built): the program with every one
#    of its files compiled on its own, and the whole test suite (windows on
#    Qt's offscreen platform), ending with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
source scripts/setup.sh

# phase TITLE: a heading with the seconds since the command started.
phase() { echo "== $1 (at ${SECONDS} s) =="; }

# Test builds favour compile time: no build type, gold links, the tests a
# few files per translation unit, not optimised, and in the build with
# windows with their shared headers precompiled.
common=(-G Ninja -DCMAKE_BUILD_TYPE=None -DZAMT_BENCH=OFF -DZAMT_TEST_COMPILE_OPTIONS=-O0
  -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold "${zamt_cmake_cache[@]}")

phase "Sanitizer build: everything that needs no window, and the fuzzers"
CC=clang CXX=clang++ cmake -S . -B build-asan "${common[@]}" -DCMAKE_UNITY_BUILD=ON \
  -DCMAKE_CXX_FLAGS="-O1 -g1" -DZAMT_SANITIZE=ON -DZAMT_FUZZ=ON -DZAMT_WIDGETS=OFF \
  -DZAMT_LAYER_CHECKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan -j"$jobs" --output-on-failure --timeout 300

phase "Fuzzing the page stream and report project readers and the font subsetter"
bash fuzz/run.sh build-asan "${ZAMT_FUZZ_SECONDS:-60}"

phase "The program, one file at a time, and all tests"
cmake -S . -B build-tests "${common[@]}" -DCMAKE_UNITY_BUILD=OFF -DZAMT_UNITY_TESTS=ON \
  -DZAMT_TEST_PCH=ON -DCMAKE_CXX_FLAGS="-O0" >/dev/null
cmake --build build-tests -j"$jobs"
ctest --test-dir build-tests -j"$jobs" --output-on-failure --timeout 300
phase "Done"
