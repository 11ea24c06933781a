#!/usr/bin/env bash
# The real zamt05.exe under Wine, as unpacked from the zip (no other DLLs on
# its path) and as installed by the installer.
#   end_to_end.sh CHECK DIST PREFIX LINUX_RPSDUMP VERSION
# CHECK: version, refusal, console, print_pdf, print_rps, printer,
# cyrillic_folder, launcher, worked_example, installer.
# Exit 77 (skipped) when what a check needs is not there.
set -euo pipefail
check=$1 dist=$2 prefix=$3 rpsdump=$4 version=$5

skip() { echo "skipped: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }
[ -n "$dist" ] && [ -f "$dist/zamt05-$version-win64.zip" ] || skip "no zip in '$dist' (scripts/windows.sh test makes it)"
[ -n "$prefix" ] && [ -d "$prefix/drive_c" ] || skip "no Wine prefix '$prefix'"
command -v wine >/dev/null || skip "no wine"

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_PLUGIN_PATH QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The zip unpacked into a folder of its own: it must run from anywhere. It
# is started in its folder, as Explorer starts it, which holds Project1.rpj.
unzip -q "$dist/zamt05-$version-win64.zip" -d "$work"
program=$work/zamt05/zamt05.exe
cd "$work/zamt05"

# A Windows-1251 text like a record: Cyrillic and Latin rows.
rows=("наименование: Насосная станция 3" "диаметр внутренний, мм: 100,000" \
      "K = 1,0123" "Latin row 42" "последняя строка")
printf '%s\r\n' "${rows[@]}" | iconv -f UTF-8 -t CP1251 >data07.txt

# The user's working folder Documents\zamt05, as a Linux path.
working_folder() {
  local profile
  profile=$(wine cmd /c echo %USERPROFILE% | tr -d '\r')
  winepath -u "$profile\\Documents\\zamt05" 2>/dev/null | tr -d '\r'
}

case "$check" in
version)
  output=$(wine "$program" --version | tr -d "\r")
  [ "$output" = "zamt05 $version" ] || fail "--version printed '$output'"
  ;;
refusal)
  status=0
  output=$(wine "$program" --no-such-option 2>&1 | tr -d "\r"; exit "${PIPESTATUS[0]}") || status=$?
  [ $status -eq 2 ] || fail "status $status for an unknown option"
  [[ "$output" == *"no-such-option"* ]] || fail "the refusal does not name the option: $output"
  ;;
console)
  # A console shows the messages whole, Cyrillic included, whatever its
  # code page: cmd, in a terminal of its own, starts the program.
  # The run fails, as it must: there is no such file.
  output=$(LANG=ru_RU.UTF-8 timeout 120 script -qec "wine cmd /c zamt05.exe --print нет.txt --to x.pdf" \
           /dev/null) || true
  [[ "$output" == *'zamt05\нет.txt". File not found.'* ]] || fail "the console showed: $output"
  ;;
print_pdf)
  wine "$program" --print data07.txt --to passport.pdf || fail "--print to PDF: status $?"
  text=$(pdftotext -layout passport.pdf -)
  for row in "${rows[@]}"; do
    grep -qF -- "$row" <<<"$text" || fail "the PDF lacks the row '$row'"
  done
  ;;
print_rps)
  [ -x "$rpsdump" ] || skip "no Linux rpsdump at '$rpsdump'"
  wine "$program" --print data07.txt --to passport.rps || fail "--print to RPS: status $?"
  listing=$("$rpsdump" passport.rps) # in UTF-8
  for row in "${rows[@]}"; do
    grep -qF -- "$row" <<<"$listing" || fail "rpsdump does not list the row '$row'"
  done
  ;;
printer)
  # Printed on a Windows printer: Wine hands the job to a CUPS server of the
  # check's own, whose cups-pdf queue writes it into ~/PDF.
  [ "$(id -u)" -eq 0 ] || skip "starting cupsd needs root"
  [ -x /usr/sbin/cupsd ] && [ -x /usr/lib/cups/backend/cups-pdf ] || skip "no cupsd or cups-pdf"
  source "$(dirname "$0")/../../scripts/cups-server.sh"
  trap 'stop_cups; rm -rf "$work"' EXIT
  chmod 755 "$work" # the filters run as the user lp
  start_cups "$work" zamt >/dev/null 2>&1
  # Wine learns the printers once a session: this check starts one of its
  # own (it runs alone), which sees the server above.
  wineserver -w
  touch "$work/started"
  wine "$program" --print data07.txt --printer zamt || fail "--print on the printer: status $?"
  # cups-pdf writes the document a while after the job ends.
  text=
  for _ in $(seq 60); do
    printed=$(find "$HOME/PDF" -name '*.pdf' -newer "$work/started" 2>/dev/null | head -n 1)
    [ -n "$printed" ] && text=$(pdftotext -layout "$printed" - 2>/dev/null) &&
      grep -qF -- "${rows[-1]}" <<<"$text" && break
    sleep 1
  done
  [ -n "$printed" ] || fail "cups-pdf wrote no PDF"
  rm -f "$printed"
  for row in "${rows[@]}"; do
    grep -qF -- "$row" <<<"$text" || fail "the printed page lacks the row '$row'"
  done
  ;;
cyrillic_folder)
  mkdir "$work/Паспорта"
  cp data07.txt "$work/Паспорта/запись №1.txt"
  wine "$program" --print "..\\Паспорта\\запись №1.txt" --to "..\\Паспорта\\отчёт.pdf" \
    || fail "--print in a Cyrillic folder: status $?"
  pdftotext "$work/Паспорта/отчёт.pdf" - | grep -qF "Насосная станция 3" || fail "no rows in отчёт.pdf"
  # A reserved name is refused with a message naming it; nothing is made.
  status=0
  output=$(wine "$program" --print data07.txt --to "CON.pdf" 2>&1 | tr -d "\r"; exit "${PIPESTATUS[0]}") || status=$?
  [ $status -eq 1 ] || fail "status $status for CON.pdf"
  [[ "$output" == *'CON.pdf'* ]] || fail "the message does not name CON.pdf: $output"
  ;;
launcher)
  # The Start-menu launcher starts the program in Documents\zamt05, with
  # the names given relative to the folder it was started in made absolute.
  mkdir "$work/elsewhere" && cp data07.txt "$work/elsewhere/запись.txt"
  (cd "$work/elsewhere" && wine "$work/zamt05/zamt05-start.exe" --print запись.txt "--to=отчёт 1.pdf")
  # The launcher does not wait for the program; the report is put in place
  # whole, once written.
  for _ in $(seq 60); do [ -f "$work/elsewhere/отчёт 1.pdf" ] && break; sleep 1; done
  [ -f "$work/elsewhere/отчёт 1.pdf" ] || fail "no report beside the file: $(ls "$work/elsewhere")"
  mine=$(working_folder)
  [ -f "$mine/Project1.rpj" ] && [ -f "$mine/helpZ.hlp" ] || fail "Documents\\zamt05 lacks its files"
  ;;
worked_example)
  source "$(dirname "$0")/worked_example.sh"
  worked_example
  ;;
installer)
  setup=$dist/zamt05-$version-setup.exe
  installed=$prefix/drive_c/Program\ Files/zamt05
  entry="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/zamt05 flowmeter correction.lnk"
  key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\zamt05'
  mine=$(working_folder)
  mkdir -p "$mine" && echo "mine" >"$mine/notes.txt"
  wine "$setup" /S
  wineserver -w
  [ -x "$installed/zamt05.exe" ] || fail "nothing installed in Program Files\\zamt05"
  [ -f "$entry" ] || fail "no Start-menu entry"
  wine reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "no Apps & features entry"
  output=$(wine "C:\\Program Files\\zamt05\\zamt05.exe" --version | tr -d "\r")
  [ "$output" = "zamt05 $version" ] || fail "the installed program printed '$output'"
  wine "C:\\Program Files\\zamt05\\uninstall.exe" /S
  wineserver -w
  [ ! -e "$installed/zamt05.exe" ] || fail "the uninstaller left the program"
  [ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
  [ ! -f "$entry" ] || fail "the uninstaller left the Start-menu entry"
  ! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left the registry key"
  [ "$(cat "$mine/notes.txt")" = "mine" ] || fail "the uninstaller touched Documents\\zamt05"
  rm -rf "$mine"
  ;;
*)
  fail "unknown check $check"
  ;;
esac
echo "ok: $check"
