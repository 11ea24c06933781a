# The worked example typed into the real zamt05.exe's windows under Wine,
# on the X display the tests run on, as a technician types it: the menu,
# the geometry window along its Enter chain, the hydraulics window, the
# record written as data07.txt. The user's regional settings are Russian
# (a comma between the digits). Sourced by end_to_end.sh, in the unpacked
# folder; uses its fail and skip.

# Waits up to 30 seconds for a visible window whose title is $1 and prints it.
window_named() {
  timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Keys into the window that has the focus, one after another.
keys() {
  local key
  for key do
    xdotool key --delay 60 "$key"
    sleep 0.2
  done
}

worked_example() {
  [ -n "${DISPLAY:-}" ] || skip "no X display (scripts/windows.sh test runs the tests under xvfb-run)"
  command -v xdotool >/dev/null && command -v xclip >/dev/null || skip "no xdotool or xclip"
  rm -f data07.txt
  LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 wine "$program" >/dev/null 2>&1 &
  local main geometry
  main=$(window_named zamt05) && [ -n "$main" ] || fail "the main window did not come"
  xdotool windowfocus --sync "$main"
  sleep 1
  # Alt opens the menu bar: the first menu, its first entry.
  keys alt Return Return
  geometry=$(window_named geom) && [ -n "$geometry" ] || fail "the geometry window did not come"
  sleep 1
  # The object's name goes in through the clipboard: Wine does not turn the
  # keys xdotool makes up for Cyrillic letters into those letters.
  printf '%s' "Насосная станция 3" | xclip -selection clipboard
  keys shift+Home shift+Insert Return
  local value
  for value in 100 5 1 45 10; do
    xdotool type --delay 60 "$value"
    keys Return
  done
  # The focus is on "считаем?" now; then on to the hydraulics window.
  keys Return Tab space
  [ -n "$(window_named gidravl)" ] || fail "the hydraulics window did not come"
  sleep 1
  # From the temperature box to "считаем?", which hands the focus on to
  # "записываем?"; the dialog offers data07.txt in the program's folder.
  keys Tab Tab Tab Tab Tab space
  sleep 1
  keys space
  sleep 3
  keys Return
  [ -n "$(window_named Information)" ] || fail "no message after writing the record"
  sleep 1
  # A message box gives its text to the clipboard with Ctrl+C.
  keys ctrl+c
  sleep 1
  local message
  message=$(xclip -o -selection clipboard | tr -d '\r')
  keys Return
  wineserver -k
  [[ "$message" == *"Уже записано: 11Kbit"* ]] || fail "the message read: $message"
  [ -f data07.txt ] || fail "no data07.txt was written"
  cmp data07.txt "$(dirname "${BASH_SOURCE[0]}")/example-record.txt" \
    || fail "data07.txt ($(stat -c %s data07.txt) bytes) is not the example record"
}
