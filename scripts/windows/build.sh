# Configures and builds the project for Windows in $1 with the cross-built
# libraries of the cache: the targets $2 ("all": everything); the rest of
# the arguments go to CMake.
# Sourced by windows.sh.

# The compiler cache, when there is one, makes later builds quick.
# Paths below the project count as relative, so the program's and the
# tests' build folders share their objects.
export CCACHE_BASEDIR=$zamt_root CCACHE_NOHASHDIR=1
zamt_win_launcher=()
if command -v ccache >/dev/null; then
  zamt_win_launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

zamt_win_build_project() {
  local folder=$1 targets=$2
  shift 2
  mkdir -p "$folder"
  cmake -S "$zamt_root" -B "$folder" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$zamt_win_scripts/mingw-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$zamt_win_cache/qt;$zamt_win_cache/jpeg;$zamt_win_cache/gtest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DZAMT_BENCH=OFF -DZAMT_LAYER_CHECKS=OFF \
    "${zamt_win_launcher[@]}" "$@" >"$folder/configure.log" 2>&1 \
    || { tail -n 30 "$folder/configure.log" >&2; return 1; }
  if [ "$targets" = all ]; then
    cmake --build "$folder" -j "$zamt_win_jobs"
  else
    cmake --build "$folder" -j "$zamt_win_jobs" --target $targets
  fi
}
