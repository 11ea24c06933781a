# Cross-builds the libraries the Windows build links, Qt's qtbase and
# libjpeg-turbo, from Debian's own source packages into the cache
# ($zamt_win_cache), once: a stamp of the version, the patch and the options
# beside each installation tells whether a later run may reuse it.
# Sourced by windows.sh.

zamt_win_jobs=${ZAMT_JOBS:-2}

# Fetches a Debian source package into $zamt_win_cache/src (once) and prints
# its unpacked folder.
zamt_win_source() {
  local package=$1 src=$zamt_win_cache/src
  mkdir -p "$src"
  local folder
  folder=$(find "$src" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n1)
  if [ -z "$folder" ]; then
    (cd "$src" && apt-get source -qq "$package" >&2)
    folder=$(find "$src" -maxdepth 1 -type d -name "$package-[0-9]*" | head -n1)
  fi
  [ -n "$folder" ] || { echo "windows.sh: no source of $package" >&2; return 1; }
  echo "$folder"
}

# True when $1/.zamt-stamp holds the stamp $2 (the build there is current).
zamt_win_current() { [ -f "$1/.zamt-stamp" ] && [ "$(cat "$1/.zamt-stamp")" = "$2" ]; }

zamt_win_stamp() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

# Configures, builds and installs the CMake project of the source $2 for
# Windows into the prefix $1 (built in the cache's build-NAME, NAME being
# the prefix's), then stamps the prefix with $3; the rest are CMake options.
zamt_win_cmake_install() {
  local prefix=$1 source=$2 stamp=$3 build=$zamt_win_cache/build-$(basename "$1")
  shift 3
  rm -rf "$prefix" "$build"
  cmake -S "$source" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$zamt_win_scripts/mingw-toolchain.cmake" "$@" >/dev/null
  cmake --build "$build" -j "$zamt_win_jobs" >/dev/null
  cmake --install "$build" >/dev/null
  echo "$stamp" >"$prefix/.zamt-stamp"
}

zamt_win_build_jpeg() {
  local source options stamp prefix=$zamt_win_cache/jpeg
  source=$(zamt_win_source libjpeg-turbo)
  options=(-DCMAKE_BUILD_TYPE=Release -DENABLE_STATIC=OFF -DWITH_TURBOJPEG=OFF
           -DWITH_SIMD=OFF -DCMAKE_INSTALL_PREFIX="$prefix")
  stamp=$(zamt_win_stamp "$(basename "$source")" "${options[@]}")
  zamt_win_current "$prefix" "$stamp" && return 0
  echo "Building $(basename "$source") for Windows"
  zamt_win_cmake_install "$prefix" "$source" "$stamp" "${options[@]}"
}

zamt_win_build_qt() {
  local source patch=$zamt_win_scripts/qtbase.patch options stamp prefix=$zamt_win_cache/qt
  source=$(zamt_win_source qt6-base)
  # Shared DLLs, bundled third-party libraries, Debian's host tools of the
  # same version; the modules the program does not use are left out.
  options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
           -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
           -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
           -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
           -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
           -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
           -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF
           -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
           -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF
           -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_offscreen=ON
           -DCMAKE_INSTALL_PREFIX="$prefix")
  stamp=$(zamt_win_stamp "$(basename "$source")" "$(sha256sum <"$patch")" "${options[@]}")
  zamt_win_current "$prefix" "$stamp" && return 0
  echo "Building $(basename "$source") for Windows (about 20 minutes on 2 cores)"
  # A fresh copy of the source with our patch.
  local work=$zamt_win_cache/qtbase-src
  if ! zamt_win_current "$work" "$(sha256sum <"$patch")"; then
    rm -rf "$work" "$zamt_win_cache/build-qt"
    cp -a "$source" "$work"
    patch -d "$work" -p1 --quiet <"$patch"
    sha256sum <"$patch" >"$work/.zamt-stamp"
  fi
  rm -rf "$prefix"
  cmake -S "$work" -B "$zamt_win_cache/build-qt" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$zamt_win_scripts/mingw-toolchain.cmake" "${options[@]}" \
    >"$zamt_win_cache/qt-configure.log"
  cmake --build "$zamt_win_cache/build-qt" -j "$zamt_win_jobs" >"$zamt_win_cache/qt-build.log" \
    || { tail -n 30 "$zamt_win_cache/qt-build.log" >&2; return 1; }
  cmake --install "$zamt_win_cache/build-qt" >/dev/null
  echo "$stamp" >"$prefix/.zamt-stamp"
}

# GoogleTest for the Windows tests, from the source Debian's libgtest-dev
# ships in /usr/src/googletest.
zamt_win_build_gtest() {
  local source=/usr/src/googletest options stamp prefix=$zamt_win_cache/gtest
  options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix")
  stamp=$(zamt_win_stamp "$(dpkg-query -W -f='${Version}' libgtest-dev)" "${options[@]}")
  zamt_win_current "$prefix" "$stamp" && return 0
  echo "Building GoogleTest for Windows"
  zamt_win_cmake_install "$prefix" "$source" "$stamp" "${options[@]}"
}
