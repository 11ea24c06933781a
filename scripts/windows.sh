#!/usr/bin/env bash
# Builds zamt05 for 64-bit Windows: Qt and libjpeg-turbo from Debian's source
# packages (once, into a cache outside the work tree), then zamt05.exe and
# rpsdump.exe, and in build-windows/dist/ the portable zip
# zamt05-<version>-win64.zip and the installer zamt05-<version>-setup.exe.
#
#   bash scripts/windows.sh        the zip and the installer
#   bash scripts/windows.sh test   the tests, built for Windows and run under
#                                  Wine, ending with ctest's summary
#
# The cache is ~/.cache/zamt05-windows (ZAMT_WINDOWS_CACHE names another);
# a change of the Qt version, its patch or its options builds Qt again.
set -euo pipefail

zamt_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zamt_win_scripts=$zamt_root/scripts/windows
zamt_win_cache=${ZAMT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zamt05-windows}
export ZAMT_WINDOWS_PREFIX="$zamt_win_cache/qt;$zamt_win_cache/jpeg;$zamt_win_cache/gtest"

source "$zamt_win_scripts/packages.sh"
source "$zamt_win_scripts/dependencies.sh"
source "$zamt_win_scripts/build.sh"
source "$zamt_win_scripts/package.sh"

zamt_win_install_packages
zamt_win_build_jpeg
zamt_win_build_qt

# The program, the folder, the zip and the installer.
zamt_win_dist() {
  zamt_win_build_project "$zamt_root/build-windows/build" "zamt05 rpsdump zamt05-start" \
    -DZAMT_TESTS=OFF
  zamt_win_folder "$zamt_root/build-windows/build"
  local version
  version=$(zamt_win_version "$zamt_root/build-windows/build")
  zamt_win_zip "$version"
  zamt_win_installer "$version"
  ls -l "$zamt_root/build-windows/dist/"*.zip "$zamt_root/build-windows/dist/"*.exe
}

case "${1:-}" in
"")
  zamt_win_dist
  ;;
test)
  # The end-to-end tests run the zip's program and the installer.
  zamt_win_dist
  source "$zamt_win_scripts/wine.sh"
  zamt_win_write_runner
  zamt_win_build_gtest
  zamt_win_make_prefix
  zamt_win_build_project "$zamt_root/build-windows/tests" all -DZAMT_TESTS=ON \
    -DZAMT_UNITY_TESTS=ON -DZAMT_TEST_COMPILE_OPTIONS=-O0 \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$zamt_win_run" -DZAMT_WINDOWS_DIST="$zamt_root/build-windows/dist" \
    -DZAMT_WINE_PREFIX="$zamt_win_prefix" -DZAMT_LINUX_RPSDUMP="$(zamt_win_linux_rpsdump)"
  zamt_win_run_tests "$zamt_root/build-windows/tests"
  ;;
*)
  echo "usage: bash scripts/windows.sh [test]" >&2
  exit 2
  ;;
esac
