#!/usr/bin/env bash
# Sets up and builds zamt05, then starts it in build/workdir, the folder that
# holds its files (the help file helpZ.hlp, the report project Project1.rpj;
# records go there by default).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "zamt05 needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set (without one, install xvfb and run: xvfb-run bash scripts/run.sh)." >&2
  exit 1
fi

source scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${zamt_cmake_cache[@]}" >/dev/null
cmake --build build -j"$(nproc)" --target zamt05
mkdir -p build/workdir
cp -u resources/helpZ.hlp build/workdir/
cp -u resources/Project1.rpj build/workdir/
cd build/workdir
exec ../src/app/zamt05
