# Installs the Debian packages the Windows build and its tests need, and the
# deb-src entry through which apt-get fetches Qt's and libjpeg-turbo's source.
# Sourced by windows.sh.

zamt_win_packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  cmake ninja-build dpkg-dev patch zip unzip nsis
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgtest-dev libjpeg-dev ccache
  wine wine64 fonts-wine fonts-liberation fonts-dejavu-core xvfb xauth poppler-utils
  xdotool xclip
)

zamt_win_install_packages() {
  local sudo="" missing=() package
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  for package in "${zamt_win_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  local sources=/etc/apt/sources.list.d/zamt05-src.sources updated=""
  if ! grep -rqs "^Types:.*deb-src\|^deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding Debian's source packages to apt ($sources)"
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" \
      "Suites: bookworm bookworm-updates" "Components: main" \
      "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" | $sudo tee "$sources" >/dev/null
    $sudo apt-get update -qq
    updated=1
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    [ -n "$updated" ] || $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  fi
}
