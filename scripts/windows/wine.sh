# Runs the Windows tests under Wine, in a Wine prefix of the tests' own
# (build-windows/wine) with Debian's Wine and Liberation fonts installed as
# the Windows fonts, and the text and PDF checks on this side.
# Sourced by windows.sh.

zamt_win_prefix=$zamt_root/build-windows/wine
zamt_win_run=$zamt_root/build-windows/wine-run

# A Windows path of a folder on this side (Wine's drive Z: is the root).
zamt_win_path() { echo "Z:${1//\//\\}"; }

# build-windows/wine-run PROGRAM ARGS...: runs a Windows program in the
# prefix, the cross-built DLLs on its path; ctest runs the tests through it.
zamt_win_write_runner() {
  mkdir -p "$(dirname "$zamt_win_run")"
  cat >"$zamt_win_run" <<RUNNER
#!/usr/bin/env bash
export WINEPREFIX="$zamt_win_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(zamt_win_path "$zamt_win_cache/qt/bin");$(zamt_win_path "$zamt_win_cache/jpeg/bin");$(zamt_win_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(zamt_win_path /usr/x86_64-w64-mingw32/lib)"
# Wine hands no QT_ variable of Linux on to Windows programs; WINEQT_NAME
# reaches them as QT_NAME.
export WINEQT_PLUGIN_PATH="$(zamt_win_path "$zamt_win_cache/qt/plugins")"
# The offscreen platform of the window tests reads the prefix's font files.
export WINEQT_QPA_FONTDIR="C:\\windows\\Fonts"
exec wine "\$@"
RUNNER
  chmod +x "$zamt_win_run"
}

# The prefix, made once: Windows' fonts are the ones Wine finds in its
# C:\windows\Fonts, and the usual Windows names stand for the Liberation ones.
zamt_win_make_prefix() {
  local stamp=$zamt_win_prefix/.zamt-stamp made="fonts: wine, liberation, dejavu"
  [ "$(cat "$stamp" 2>/dev/null)" = "$made" ] && return 0
  echo "Making the Wine prefix $zamt_win_prefix"
  rm -rf "$zamt_win_prefix"
  WINEPREFIX=$zamt_win_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    wineboot -i >/dev/null 2>&1
  local fonts=$zamt_win_prefix/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/* /usr/share/fonts/truetype/liberation/*.ttf \
    /usr/share/fonts/truetype/dejavu/*.ttf "$fonts/"
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' name
  for name in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" \
              "Courier New=Liberation Mono"; do
    "$zamt_win_run" reg add "$key" /v "${name%%=*}" /t REG_SZ /d "${name#*=}" /f >/dev/null 2>&1
  done
  WINEPREFIX=$zamt_win_prefix wineserver -w
  echo "$made" >"$stamp"
}

# rpsdump for Linux, which lists the page streams the Windows program writes.
zamt_win_linux_rpsdump() {
  local build=$zamt_root/build-windows/linux
  cmake -S "$zamt_root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZAMT_WIDGETS=OFF \
    -DZAMT_TESTS=OFF -DZAMT_BENCH=OFF -DZAMT_LAYER_CHECKS=OFF "${zamt_win_launcher[@]}" >/dev/null
  cmake --build "$build" -j "$zamt_win_jobs" --target rpsdump >/dev/null
  echo "$build/tools/rpsdump/rpsdump"
}

zamt_win_run_tests() {
  local build=$1
  # Qt's Russian translations where the tests' Qt looks for them.
  mkdir -p "$zamt_win_cache/qt/translations"
  cp /usr/share/qt6/translations/qtbase_ru.qm "$zamt_win_cache/qt/translations/"
  zamt_win_make_prefix
  # Under a display of its own: the window tests use Qt's offscreen
  # platform, but Wine itself wants one for some of its parts.
  # The user's regional settings are Russian: a comma between the digits.
  LANG=ru_RU.UTF-8 ZAMT_EXPECTED_SEPARATOR=, \
    xvfb-run -a ctest --test-dir "$build" -j "$zamt_win_jobs" --output-on-failure --timeout 300
}
