# Puts the Windows build together: the folder zamt05\ that runs from
# anywhere, its zip and the installer, in build-windows/dist/.
# Sourced by windows.sh.

# Where the DLLs the program needs come from.
zamt_win_dll_folders() {
  echo "$zamt_win_cache/qt/bin" "$zamt_win_cache/jpeg/bin" \
    /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib
}

# Windows' own DLLs: those Wine provides as the system's.
zamt_win_system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows

zamt_win_imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

# Copies into $1 every DLL that an .exe or .dll in it imports, until nothing
# is missing; fails on a DLL that is neither found nor the system's.
zamt_win_add_dlls() {
  local folder=$1 added=1 file dll source missing=0
  while [ $added -eq 1 ]; do
    added=0
    while IFS= read -r -d '' file; do
      while IFS= read -r dll; do
        [ -e "$folder/$dll" ] && continue
        source=""
        for from in $(zamt_win_dll_folders); do
          [ -e "$from/$dll" ] && { source=$from/$dll; break; }
        done
        if [ -n "$source" ]; then
          cp "$source" "$folder/"
          added=1
        elif [ ! -e "$zamt_win_system_dlls/${dll,,}" ] && [[ "${dll,,}" != api-ms-win-* ]]; then
          echo "windows.sh: $(basename "$file") imports $dll, which is neither in the folder nor Windows'" >&2
          missing=1
        fi
      done < <(zamt_win_imports "$file")
    done < <(find "$folder" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
  done
  return $missing
}

zamt_win_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# The folder dist/zamt05 from the build in $1.
zamt_win_folder() {
  local build=$1 qt=$zamt_win_cache/qt
  local folder=$zamt_root/build-windows/dist/zamt05
  rm -rf "$zamt_root/build-windows/dist"
  mkdir -p "$folder"/{fonts,platforms,styles,translations}
  # Qt's project set-up puts a Windows build's programs in the build's root.
  cp "$build"/{zamt05,rpsdump,zamt05-start}.exe "$folder/"
  x86_64-w64-mingw32-strip "$folder"/*.exe
  # --print shows no window: it runs on the offscreen platform.
  cp "$qt/plugins/platforms/"{qwindows,qoffscreen}.dll "$folder/platforms/"
  # Windows printing is part of Qt6PrintSupport.dll itself: no plugin.
  cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
  cp /usr/share/qt6/translations/qtbase_ru.qm "$folder/translations/"
  # The default report project's face, which Windows lacks, with its licence.
  cp /usr/share/fonts/truetype/dejavu/DejaVuSansMono*.ttf "$folder/fonts/"
  cp /usr/share/doc/fonts-dejavu-core/copyright "$folder/fonts/DejaVu-licence.txt"
  cp "$zamt_root/packaging/windows/qt.conf" "$zamt_root/resources/Project1.rpj" \
    "$zamt_root/resources/helpZ.hlp" "$folder/"
  zamt_win_add_dlls "$folder"
}

zamt_win_zip() {
  local version=$1 dist=$zamt_root/build-windows/dist
  (cd "$dist" && zip -qr9 "zamt05-$version-win64.zip" zamt05)
}

zamt_win_installer() {
  local version=$1 dist=$zamt_root/build-windows/dist
  local remove=$zamt_root/build-windows/remove-files.nsh
  # The uninstaller removes exactly the files of the folder, then its
  # subfolders, deepest first.
  (cd "$dist/zamt05" &&
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' &&
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$remove"
  makensis -V2 -DVERSION="$version" -DFOLDER="$dist/zamt05" -DREMOVE="$remove" \
    -DOUTFILE="$dist/zamt05-$version-setup.exe" "$zamt_root/packaging/windows/zamt05.nsi"
}
