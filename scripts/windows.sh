#!/usr/bin/env bash
# Builds zamt05 for 64-bit Windows: Qt and libjpeg-turbo from Debian's source
# packages (once, into a cache outside the work tree), then zamt05.exe and
# rpsdump.exe, a portable zip and an NSIS installer in build-windows/dist/.
#
#   bash scripts/windows.sh        the zip and the installer
#   bash scripts/windows.sh test   the tests, built for Windows and run under Wine
set -euo pipefail

zamt_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
zamt_win_scripts=$zamt_root/scripts/windows
zamt_win_cache=${ZAMT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zamt05-windows}
export ZAMT_WINDOWS_PREFIX="$zamt_win_cache/qt;$zamt_win_cache/jpeg"

source "$zamt_win_scripts/packages.sh"
source "$zamt_win_scripts/dependencies.sh"

zamt_win_install_packages
zamt_win_build_jpeg
zamt_win_build_qt
