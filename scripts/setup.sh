#!/usr/bin/env bash
# Installs the Debian 12 packages zamt05 needs to build, run and test it
# (apt-get, through sudo when not root), with what the Debian package and its
# test need (dpkg-shlibdeps, desktop-file-validate, file). Safe to run again:
# it installs only what is missing. Sourced by run.sh and test.sh, which then
# build.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core fonts-liberation qt6-translations-l10n poppler-utils
  enscript ghostscript
  dpkg-dev desktop-file-utils file
  libcups2-dev cups printer-driver-cups-pdf
  locales libc-l10n
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A Russian locale, as the program's users have it: the tests check that the
# program's messages stay in one language there.
if ! locale -a 2>/dev/null | grep -qx 'ru_RU.utf8'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi

# Compiler cache shared by all build folders and clones of the project.
export CCACHE_BASEDIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_NOHASHDIR=1
zamt_cmake_cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
