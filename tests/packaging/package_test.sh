#!/usr/bin/env bash
# Checks the Debian package: builds it with cpack, unpacks it with dpkg-deb
# into a throwaway folder, and checks its files, its control fields, its
# desktop entry and the launcher that starts the program in ~/zamt05.
# Nothing is installed into the system and nothing needs root.
#   package_test.sh build    <work> <CPackConfig.cmake>
#   package_test.sh files    <work>
#   package_test.sh control  <work> <version> <summary>
#   package_test.sh desktop  <work>
#   package_test.sh start    <work>
#   package_test.sh refusals <work>
set -uo pipefail

mode=$1
work=$2
root=$work/root
launcher=$root/usr/bin/zamt05-start
program=$root/usr/bin/zamt05
datadir=$root/usr/share/zamt05
skip=77
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect_eq() { # <actual> <expected> <what>
    [ "$1" == "$2" ] || fail "$3: got '$1', expected '$2'"
}
need() { # <tool> <package>
    command -v "$1" >/dev/null || {
        echo "SKIP: $1 is missing (Debian package $2; scripts/setup.sh installs it)"
        exit $skip
    }
}
finish() {
    [ $failures -eq 0 ] && echo "ok" || echo "$failures check(s) failed"
    [ $failures -eq 0 ]
    exit
}

# Throwaway folders for the homes, removed at the end even when made read-only.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zamt05-package-test.XXXXXX")
chmod 755 "$scratch"
started=()
cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    chmod -R u+w "$scratch" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

new_home() { # <name>: a fresh, empty home folder
    local home=$scratch/$1
    mkdir -p "$home/.runtime"
    chmod 700 "$home/.runtime"
    printf '%s\n' "$home"
}

build() {
    local config=$3
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    rm -rf "$work"
    mkdir -p "$work"
    if ! cpack --config "$config" -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        fail "cpack could not build the package"
        finish
    fi
    local debs=("$work"/cpack/*.deb)
    expect_eq "${#debs[@]}" 1 "packages built"
    [ -f "${debs[0]}" ] || { fail "no package in $work/cpack"; finish; }
    mv "${debs[0]}" "$work/"
    rm -rf "$work/cpack"
    dpkg-deb -x "$work"/*.deb "$root" || fail "dpkg-deb could not unpack the package"
    ls -l "$work"/*.deb
    finish
}

files() {
    need file file
    local expected actual
    expected=$(printf '%s\n' \
        ./usr/bin/zamt05 ./usr/bin/zamt05-start \
        ./usr/share/applications/zamt05.desktop \
        ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/zamt05.png \
        ./usr/share/zamt05/Project1.rpj ./usr/share/zamt05/helpZ.hlp | sort)
    actual=$(cd "$root" && find . ! -type d | sort)
    [ "$actual" == "$expected" ] || fail "files differ from the expected list:
$(diff <(echo "$expected") <(echo "$actual"))"
    local empty
    empty=$(cd "$root" && find . -type d -empty)
    expect_eq "$empty" "" "empty folders"

    local f
    for f in usr/bin/zamt05 usr/bin/zamt05-start; do
        expect_eq "$(stat -c %a "$root/$f")" 755 "mode of $f"
    done
    for f in $(cd "$root" && find usr/share -type f); do
        expect_eq "$(stat -c %a "$root/$f")" 644 "mode of $f"
    done
    local kind
    kind=$(file -b "$program")
    [[ $kind == ELF*executable* && $kind == *", stripped"* ]] || fail "program is '$kind'"
    local search
    search=$(objdump -p "$program" | grep -E '^ *(RPATH|RUNPATH) ')
    expect_eq "$search" "" "the program's library search path"
    kind=$(file -b "$launcher")
    [[ $kind == "POSIX shell script"* ]] || fail "launcher is '$kind'"
    local size
    for size in 16 32 48 64 128 256; do
        kind=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/zamt05.png")
        [[ $kind == "PNG image data, $size x $size,"* ]] || fail "${size}x$size icon is '$kind'"
    done
    cmp -s "$datadir/helpZ.hlp" "$source/resources/helpZ.hlp" || fail "helpZ.hlp differs"
    cmp -s "$datadir/Project1.rpj" "$source/resources/Project1.rpj" || fail "Project1.rpj differs"
    finish
}

control() {
    local version=$3 summary=$4 deb
    deb=$(echo "$work"/*.deb)
    field() { dpkg-deb -f "$deb" "$1"; }
    expect_eq "$(field Package)" zamt05 "Package"
    expect_eq "$(field Version)" "$version" "Version"
    expect_eq "$(field Section)" science "Section"
    expect_eq "$(field Architecture)" "$(dpkg --print-architecture)" "Architecture"
    [[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
        fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
    expect_eq "$(field Description | head -n 1)" "$summary" "Description's first line"
    [ "$(field Description | wc -l)" -gt 2 ] || fail "Description has no long text"
    expect_eq "$(basename "$deb")" "zamt05_${version}_$(dpkg --print-architecture).deb" "file name"

    local depends
    depends=$(field Depends)
    echo "Depends: $depends"
    [ -n "$depends" ] || fail "Depends is empty"
    # Every library the program needs is named: the Qt ones by Debian's names
    # (libQt6Core.so.6 comes in libqt6core6), and at least Core, Gui, Widgets.
    local needed library
    needed=$(objdump -p "$program" | sed -n 's/^ *NEEDED *//p')
    [[ $needed == *libQt6Widgets.so.6* ]] || fail "the program does not link Qt 6 Widgets: $needed"
    for library in $(echo "$needed" | sed -n 's/^lib\(Qt6[A-Za-z]*\)\.so\.6$/lib\L\16/p') \
        libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo libc6 libstdc++6 libcups2; do
        [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
            fail "Depends does not name $library"
    done
    # Versions come from the libraries' symbols, not from a hand-written list.
    [[ $depends =~ libqt6core6\ \(\>=\ 6\. ]] || fail "libqt6core6 has no version from its symbols"
    finish
}

desktop() {
    need desktop-file-validate desktop-file-utils
    local entry=$root/usr/share/applications/zamt05.desktop report
    report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate refuses the entry"
    expect_eq "$report" "" "desktop-file-validate's remarks"
    value() { sed -n "s/^$1=//p" "$entry"; }
    # Files chosen in the file manager reach the launcher; text files are
    # offered to the program.
    expect_eq "$(value Exec)" "zamt05-start %F" "Exec"
    expect_eq "$(value MimeType)" "text/plain;" "MimeType"
    expect_eq "$(value Icon)" zamt05 "Icon"
    expect_eq "$(value Terminal)" false "Terminal"
    expect_eq "$(value Type)" Application "Type"
    local key
    for key in Name 'Name\[ru\]' Comment 'Comment\[ru\]'; do
        [ -n "$(value "$key")" ] || fail "no $key"
    done
    value 'Name\[ru\]' | LC_ALL=C.UTF-8 grep -qP '\p{Cyrillic}' || fail "Russian Name has no Russian letters"
    value 'Comment\[ru\]' | LC_ALL=C.UTF-8 grep -qP '\p{Cyrillic}' ||
        fail "Russian Comment has no Russian letters"
    local command
    read -r command _ <<<"$(value Exec)"
    [ -x "$root/usr/bin/$command" ] || fail "Exec names no program of the package"
    finish
}

# Starts the launcher with the given home in the background, in the folder
# $from (the current one when unset), with the arguments; sets $pid.
launch() { # <home> [arguments...]
    local home=$1
    shift
    (cd -- "${from:-.}" && HOME=$home XDG_RUNTIME_DIR=$home/.runtime QT_QPA_PLATFORM=offscreen \
        exec "$launcher" "$@") >"$home/.launcher.log" 2>&1 &
    pid=$!
    started+=("$pid")
}

# The launcher has become the program, which runs in the working folder and
# is still running a second later; then it is stopped.
expect_program_running_in() { # <folder> <home>
    local waited=0
    until [ "$(readlink "/proc/$pid/exe")" == "$(readlink -f "$program")" ]; do
        if ! kill -0 "$pid" 2>/dev/null || [ $waited -ge 100 ]; then
            fail "the program did not start: $(cat "$2/.launcher.log")"
            return
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    sleep 1
    if ! kill -0 "$pid" 2>/dev/null; then
        fail "the program ended within a second: $(cat "$2/.launcher.log")"
        return
    fi
    expect_eq "$(readlink "/proc/$pid/cwd")" "$1" "the program's working folder"
    kill "$pid"
    wait "$pid" 2>/dev/null
}

start() {
    local home folder
    home=$(new_home "home with spaces, 'quotes' and \$dollar")
    folder=$home/zamt05

    echo "first start: the working folder is made with the default files"
    launch "$home"
    expect_program_running_in "$folder" "$home"
    [[ -d $folder && ! -L $folder ]] || fail "no working folder $folder"
    local file
    for file in Project1.rpj helpZ.hlp; do
        cmp -s "$folder/$file" "$datadir/$file" || fail "$file was not copied in whole"
        expect_eq "$(stat -c %a "$folder/$file")" \
            "$(printf '%o' $((0$(stat -c %a "$datadir/$file") & ~$(umask))))" "mode of the copied $file"
    done
    expect_eq "$(ls -A "$folder")" "$(printf '%s\n' Project1.rpj helpZ.hlp)" "working folder"

    echo "second start: the user's changed copy stays, a removed one comes back"
    printf 'the user changed this\n' >>"$folder/Project1.rpj"
    cp "$folder/Project1.rpj" "$scratch/changed.rpj"
    rm "$folder/helpZ.hlp"
    printf 'records\r\n' >"$folder/data07.txt"
    launch "$home"
    expect_program_running_in "$folder" "$home"
    cmp -s "$folder/Project1.rpj" "$scratch/changed.rpj" || fail "the changed Project1.rpj was replaced"
    cmp -s "$folder/helpZ.hlp" "$datadir/helpZ.hlp" || fail "the removed helpZ.hlp was not copied again"
    expect_eq "$(cat "$folder/data07.txt")" $'records\r' "the user's records"

    echo "third start: a help file the user linked elsewhere is kept, not followed"
    printf 'my own help\n' >"$home/myhelp.hlp"
    rm "$folder/helpZ.hlp"
    ln -s "$home/myhelp.hlp" "$folder/helpZ.hlp"
    launch "$home"
    expect_program_running_in "$folder" "$home"
    expect_eq "$(readlink "$folder/helpZ.hlp")" "$home/myhelp.hlp" "the user's link"
    expect_eq "$(cat "$home/myhelp.hlp")" "my own help" "the user's help file"

    echo "fourth start, from another folder: file arguments reach the program by their full paths"
    from=$home/papers
    mkdir -p "$from/old"
    printf 'records\r\n' >"$from/data 07.txt"
    launch "$home" "data 07.txt" "$home/myhelp.hlp" old/x.txt -- -dash.txt
    local waited=0
    until [ "$(readlink "/proc/$pid/exe")" == "$(readlink -f "$program")" ] || [ $waited -ge 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    expect_eq "$(tr '\0' '\n' <"/proc/$pid/cmdline" | tail -n +2)" \
        "$(printf '%s\n' "$from/data 07.txt" "$home/myhelp.hlp" "$from/old/x.txt" -- "$from/-dash.txt")" \
        "the program's arguments"
    unset from
    expect_program_running_in "$folder" "$home"

    echo "options pass as they are"
    local version
    version=$(cd "$scratch" && HOME=$home QT_QPA_PLATFORM= DISPLAY= timeout 10 "$launcher" --version 2>&1)
    expect_eq "$?" 0 "the launcher's status with --version"
    [[ $version == "zamt05 "[0-9]* ]] || fail "--version through the launcher printed '$version'"

    echo "a print without windows: the output goes where the launcher was started, a printer's name as it is"
    printf 'row 1\r\n' >"$scratch/data.txt"
    cp "$datadir/Project1.rpj" "$scratch/p.rpj" # the working folder's is changed above
    local nowhere=$scratch/no-cups.sock
    (cd "$scratch" && HOME=$home QT_QPA_PLATFORM= DISPLAY= CUPS_SERVER=$nowhere timeout 60 \
        "$launcher" --print data.txt --to=out.pdf --project=p.rpj) || fail "--print through the launcher ended with $?"
    [ -s "$scratch/out.pdf" ] || fail "no out.pdf in the folder the launcher was started in"
    message=$(cd "$scratch" && HOME=$home QT_QPA_PLATFORM= DISPLAY= CUPS_SERVER=$nowhere timeout 60 \
        "$launcher" --print --printer office data.txt 2>&1)
    expect_eq "$message" 'zamt05: There is no printer "office".' "a printer named through the launcher"
    finish
}

# Runs the launcher to its end; sets $status and $message.
run_launcher() { # <home> [command prefix...]
    local home=$1
    shift
    message=$(HOME=$home XDG_RUNTIME_DIR=$home/.runtime QT_QPA_PLATFORM=offscreen \
        timeout 10 "$@" "$launcher" 2>&1 </dev/null)
    status=$?
}

# Runs the launcher without the rights to write into the given folder:
# made read-only, and as root (who may write anyway) as the user nobody.
run_launcher_unprivileged() { # <home> <read-only folder>
    chmod 555 "$2"
    if [ "$(id -u)" -eq 0 ]; then
        run_launcher "$1" setpriv --reuid=65534 --regid=65534 --clear-groups
    else
        run_launcher "$1"
    fi
    chmod 755 "$2"
}

# What is in a home: names, kinds, link targets and the files' contents.
snapshot() { # <home>
    (
        cd "$1" || exit
        find . -path ./.runtime -prune -o -printf '%y %p -> %l\n' | sort
        find . -path ./.runtime -prune -o -type f -exec md5sum {} + | sort
    )
}

expect_refusal() { # <what> <message>
    expect_eq "$status" 1 "exit status when $1"
    expect_eq "$message" "zamt05-start: $2" "message when $1"
}

refusals() {
    local home folder
    echo "something that is not a folder where the working folder belongs"
    local kind before
    for kind in file link-to-file dangling-link fifo; do
        home=$(new_home "$kind home")
        folder=$home/zamt05
        printf "the user's notes\n" >"$home/notes"
        case $kind in
        file) cp "$home/notes" "$folder" ;;
        link-to-file) ln -s "$home/notes" "$folder" ;;
        dangling-link) ln -s "$home/nowhere" "$folder" ;;
        fifo) mkfifo "$folder" ;;
        esac
        before=$(snapshot "$home")
        run_launcher "$home"
        case $kind in
        *link*) expect_refusal "$kind" "$folder is a link, but not to a folder; move it away and start again" ;;
        *) expect_refusal "$kind" "$folder is not a folder; move it away and start again" ;;
        esac
        expect_eq "$(snapshot "$home")" "$before" "the home after $kind"
    done

    if [ "$(id -u)" -eq 0 ] && ! setpriv --reuid=65534 --regid=65534 --clear-groups \
        test -x "$launcher"; then
        echo "SKIP: the user nobody cannot reach $launcher, so read-only folders cannot be tried"
        exit $skip
    fi

    echo "a read-only home"
    home=$(new_home "read-only home")
    run_launcher_unprivileged "$home" "$home"
    expect_refusal "the home is read-only" \
        "cannot create the working folder $home/zamt05: Permission denied"
    [[ -e $home/zamt05 ]] && fail "a working folder appeared in the read-only home"

    echo "a read-only working folder with a file missing"
    home=$(new_home "read-only folder")
    mkdir "$home/zamt05"
    cp "$datadir/helpZ.hlp" "$home/zamt05/"
    run_launcher_unprivileged "$home" "$home/zamt05"
    expect_refusal "the working folder is read-only" \
        "cannot write into the working folder $home/zamt05"
    expect_eq "$(ls -A "$home/zamt05")" helpZ.hlp "the read-only working folder"

    echo "no HOME"
    message=$(env -u HOME QT_QPA_PLATFORM=offscreen timeout 10 "$launcher" 2>&1 </dev/null)
    status=$?
    expect_refusal "HOME is not set" "HOME is not set, so there is no working folder \$HOME/zamt05"
    finish
}

source=$(cd "$(dirname "$0")/../.." && pwd)
case $mode in
build | files | control | desktop | start | refusals) "$mode" "$@" ;;
*)
    echo "unknown check $mode" >&2
    exit 2
    ;;
esac
