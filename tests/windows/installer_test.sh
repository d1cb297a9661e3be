#!/usr/bin/env bash
# Installs Fortunix with its Windows installer into a new Wine prefix, as on a fresh computer,
# under a virtual X server, and checks what a Windows user meets:
#   - silent installs for the current user and for all users (the latter through the copy of
#     the installer that gets administrator rights): the files, the tools beside the program,
#     the entries, the installed program's main window, setting, lock and refused second copy;
#   - with Fortunix running, or one of its tools holding its file, a silent install or removal
#     fails with status 3 and changes nothing; an interactive one asks to close it (Retry and
#     Cancel) and goes on after Retry;
#   - the folder page counts the space the files take;
#   - /D= chooses the folder, also one with letters outside ASCII, also quoted; one that is not
#     a full path is refused (status 2);
#   - the first page proposes the kind of installation that is there;
#   - one installation at a time: the other kind is refused (status 4) unless /Alongside, and a
#     second installation is then named after its kind;
#   - the pages: the title, the program's picture on the last page, "Run Fortunix";
#   - signatures of the installer, the uninstaller and the programs (when CA_CERT is given);
#   - the silent uninstall leaves no file, shortcut, registry entry or lock behind; the user's
#     recent births only when asked to, never another user's; the uninstaller's pages.
#   tests/windows/installer_test.sh Fortunix-<version>-setup.exe [CA_CERT.pem]
# With FORTUNIX_SCREENSHOTS=<folder> it also saves pictures of the screen.
# FORTUNIX_INSTALLER_CHECKS (e.g. "chosen_folder interactive") runs a part of the checks.
set -euo pipefail
setup="$(realpath "${1:?usage: installer_test.sh SETUP.EXE [CA_CERT.pem]}")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
ca_cert="${2:+$(realpath "$2")}"

if [ -z "${FORTUNIX_INSTALLER_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        env FORTUNIX_INSTALLER_DISPLAY=1 "$0" "$setup" ${ca_cert:+"$ca_cert"}
fi

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine hands WINEQT_* variables to programs as QT_*. Its own font engine draws no text in line
# edits; FreeType does (a limit of Wine, not of Windows).
export WINEQT_QPA_PLATFORM="windows:fontengine=freetype"
# Command lines and paths pass between Linux and Windows in UTF-8.
export LC_ALL=C.UTF-8
cleanup() {
    jobs -p | xargs -r kill 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Wine's background services start with the first program and inherit its output: start them
# with none.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1 &
wineboot -i </dev/null >/dev/null 2>&1

# What a user reads in a window's controls (window_texts.c).
x86_64-w64-mingw32-gcc-posix -municode -O2 -o "$work/window_texts.exe" "$here/window_texts.c"
window_texts() { wine "$work/window_texts.exe" "$1" 2>/dev/null | tr -d '\r'; }

# A Windows path of the prefix as a Linux path.
unix_path() { winepath -u "$1" 2>/dev/null; }
windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
registry_has() { wine reg query "$1" >/dev/null 2>&1; }
# A text value of the registry. Exported by regedit in UTF-16: reg.exe would write it in the
# ANSI code page, losing letters outside it.
registry_value() {
    local export="$work/export.reg" hive
    rm -f "$export"
    case "$1" in
        HKCU\\*) hive="HKEY_CURRENT_USER${1#HKCU}" ;;
        HKLM\\*) hive="HKEY_LOCAL_MACHINE${1#HKLM}" ;;
    esac
    wine regedit /E "$(winepath -w "$export")" "$hive" >/dev/null 2>&1 || true
    [ -f "$export" ] || return 0
    iconv -f UTF-16 -t UTF-8 "$export" | tr -d '\r' |
        sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" | sed 's/\\\\/\\/g; s/\\"/"/g'
}
# Top-level windows titled exactly $1, one "WIDTHxHEIGHT+X+Y" line each.
windows_titled() {
    xwininfo -root -tree | sed -n "s/^ *0x[0-9a-f]* \"$1\": (.*)  *\([0-9]*x[0-9]*+[0-9-]*+[0-9-]*\) .*/\1/p"
}
count_windows() { windows_titled "$1" | wc -l; }
wait_until() {
    for _ in $(seq 300); do
        if "$@"; then return 0; fi
        sleep 0.2
    done
    return 1
}
main_window_shown() { [ "$(count_windows "Fortunix v1.30")" -ge 1 ]; }
message_shown() { [ "$(count_windows "Fortunix")" -ge 1 ]; }
# The installer's own windows: its message boxes are small, its wizard is not.
setup_message_shown() { windows_titled "Fortunix Setup" | grep -q 'x[0-2][0-9][0-9]+'; }
setup_wizard_shown() { windows_titled "Fortunix Setup" | grep -q 'x[3-9][0-9][0-9]+'; }
no_setup_window() { [ "$(count_windows "Fortunix Setup")" -eq 0 ]; }
gone() { [ ! -e "$1" ]; }
screenshot() {
    if [ -n "${FORTUNIX_SCREENSHOTS:-}" ]; then
        mkdir -p "$FORTUNIX_SCREENSHOTS"
        sleep 1 # until it is drawn
        import -window root "$FORTUNIX_SCREENSHOTS/$1.png"
    fi
}
# Presses keys in the window titled $1, once it is shown: a window exists before it is mapped
# (with many fonts installed, Wine takes a while to draw a message box), and an unmapped one
# cannot take the focus.
shown_window() { xdotool search --onlyvisible --name "^$1\$" | tail -1; }
press() {
    local title=$1 id
    shift
    wait_until eval '[ -n "$(shown_window "$title")" ]' || fail "no window titled $title is shown"
    id="$(shown_window "$title")"
    xdotool windowfocus --sync "$id" key "$@"
}
# Every file of a folder with its checksum: two equal fingerprints, nothing was changed.
fingerprint() { (cd "$1" && find . -type f -exec md5sum {} + | sort -k2); }

# The installation of one kind: its folder and Start menu as Linux paths, its registry key.
use_kind() {
    kind=$1
    if [ "$kind" = AllUsers ]; then
        hive=HKLM
        menu="$(unix_path "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs")"
        default_folder="$(windows_variable ProgramW6432)\\Fortunix"
    else
        hive=HKCU
        menu="$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")"
        default_folder="$(windows_variable LOCALAPPDATA)\\Programs\\Fortunix"
    fi
    key="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fortunix"
}

# The installed program started as the Start menu does; waits for its main window.
start_fortunix() {
    (cd "$folder" && exec wine fortunix.exe >/dev/null 2>&1) &
    fortunix_job=$!
    wait_until main_window_shown || fail "$1: the installed program shows no main window"
}
stop_fortunix() {
    wine taskkill /f /im fortunix.exe >/dev/null 2>&1 || true
    wait "$fortunix_job" 2>/dev/null || true
    wait_until eval '[ "$(count_windows "Fortunix v1.30")" -eq 0 ]' || fail "Fortunix did not end"
}

# The entry's silent uninstall command, run as a script would, with the options given before
# its last one; its exit status.
uninstall_silently() {
    local quiet
    quiet="$(registry_value "$key" QuietUninstallString)"
    [ -n "$quiet" ] || fail "$kind: no silent uninstall command in $key"
    [ $# -eq 0 ] || quiet="${quiet/ _?=/ $* _?=}"
    local status=0
    eval "wine $(printf '%s' "$quiet" | sed 's/\\/\\\\/g')" || status=$?
    return "$status"
}
expect_uninstalled() {
    local what=$1 shortcut=$2
    wait_until gone "$folder" || fail "$what: left behind: $(find "$folder" | tr '\n' ' ')"
    wait_until gone "$shortcut" || fail "$what: the Start-menu entry is left"
    ! registry_has "$key" || fail "$what: the Apps & features entry is left"
}

# A silent installation (arguments: the installer's) that must fail with `status` and leave the
# installation as it was: the same files with the same contents, no scratch folder.
expect_refused_install() {
    local what=$1 status=$2 before actual=0
    shift 2
    before="$(fingerprint "$folder")"
    wine "$setup" /S "$@" || actual=$?
    [ "$actual" -eq "$status" ] || fail "$what: the installer ended with $actual, not $status"
    [ "$(fingerprint "$folder")" = "$before" ] || fail "$what: the installer changed files"
    for scratch in .setup-new .setup-old; do
        gone "$folder/$scratch" || fail "$what: the installer left $scratch"
    done
}
expect_refused_uninstall() {
    local what=$1 before actual=0
    before="$(fingerprint "$folder")"
    uninstall_silently || actual=$?
    [ "$actual" -eq 3 ] || fail "$what: the uninstaller ended with $actual, not 3"
    [ "$(fingerprint "$folder")" = "$before" ] || fail "$what: the uninstaller changed files"
    registry_has "$key" || fail "$what: the uninstaller removed the entry"
}

expect_signed() {
    [ -n "$ca_cert" ] || return 0
    for file in "$@"; do
        osslsigncode verify -CAfile "$ca_cert" -in "$file" 2>&1 | grep -q '^Signature verification: ok' ||
            fail "no valid signature on $file"
    done
}

lock_folder="$(unix_path "$(windows_variable LOCALAPPDATA)\\Fortunix")"
worked_example=$'2000,1,1,12,0,29,0,0,W,51,30,N,0\r\n'

if [ -n "$ca_cert" ]; then
    expect_signed "$setup"
    echo "the installer is signed"
fi

check_kind() {
    use_kind "$1"
    folder="$(unix_path "$default_folder")"
    local shortcut="$menu/Fortunix.lnk"

    wine "$setup" /S "/$kind" || fail "$kind: the installer failed"
    for file in fortunix.exe fortunix-batch.exe fortunix-atlas.exe uninstall.exe qt.conf \
        Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll libstdc++-6.dll \
        plugins/platforms/qwindows.dll \
        plugins/styles/qwindowsvistastyle.dll; do
        [ -f "$folder/$file" ] || fail "$kind: $file is not installed in $default_folder"
    done
    [ -f "$shortcut" ] || fail "$kind: no Start-menu entry at $shortcut"
    [ "$(registry_value "$key" DisplayName)" = "Fortunix" ] || fail "$kind: no entry in $key"
    [ "$(registry_value "$key" DisplayVersion)" = "1.30" ] || fail "$kind: wrong version in $key"
    expect_signed "$folder/fortunix.exe" "$folder/fortunix-batch.exe" \
        "$folder/fortunix-atlas.exe" "$folder/uninstall.exe"
    local bytes
    bytes="$(find "$folder" -type f -printf '%s\n' | awk '{ total += $1 } END { print total }')"
    echo "$kind: installed $(find "$folder" -type f | wc -l) files, $bytes bytes, in $default_folder"
    expect_space_required "$bytes"

    # The tools run from the installation folder with what lies there alone.
    local reading places
    reading="$(cd "$folder" && printf '%s' "$worked_example" | env -u WINEPATH wine fortunix-batch.exe 2>&1 | tr -d '\r')"
    [ "$reading" = "280,223,24,81,21º Gemini" ] || fail "$kind: fortunix-batch.exe wrote '$reading'"
    places="$(cd "$folder" && env -u WINEPATH wine fortunix-atlas.exe Kathmandu "" Nepal 2>&1)" ||
        fail "$kind: fortunix-atlas.exe failed: $places"
    grep -q "^Kathmandu	Bagmati Province	Nepal" <<<"$places" || fail "$kind: fortunix-atlas.exe wrote '$places'"
    echo "$kind: the installed tools run"

    start_fortunix "$kind"
    # The lock of the running copy lies in the user's own folder.
    [ -f "$lock_folder/fortunix.lock" ] || fail "$kind: no lock at $lock_folder/fortunix.lock"
    local settings="HKCU\\Software\\Fortunix\\fortunix\\Settings"
    registry_has "$settings" || fail "$kind: no settings under $settings"
    ! wine reg query "$settings" 2>/dev/null | grep -q Duration ||
        fail "$kind: the plain setting name is stored"
    screenshot "wine-$kind-main-window"
    ! message_shown || fail "$kind: a message is shown before a second copy starts"
    (cd "$folder" && exec wine fortunix.exe >/dev/null 2>&1) &
    local second=$!
    wait_until message_shown || fail "$kind: a second copy shows no message"
    [ "$(count_windows "Fortunix v1.30")" -eq 1 ] || fail "$kind: a second copy opened a window"
    screenshot "wine-$kind-second-copy"
    press Fortunix Return
    wait "$second" 2>/dev/null || true
    echo "$kind: the installed program showed its main window and refused a second copy"

    # Over the running program nothing may change. A mark in one installed file shows whether
    # anything was written.
    echo "; mark" >>"$folder/qt.conf"
    expect_refused_install "$kind, Fortunix running" 3 "/$kind"
    expect_refused_uninstall "$kind, Fortunix running"
    stop_fortunix
    echo "$kind: with Fortunix running, the silent installer and uninstaller refused and changed nothing"

    # A tool that runs holds its program file: nothing may change either.
    mkfifo "$work/input"
    (cd "$folder" && exec wine fortunix-batch.exe <"$work/input" >/dev/null 2>&1) &
    local tool=$!
    exec 3>"$work/input"
    sleep 3 # until it runs
    expect_refused_install "$kind, fortunix-batch.exe running" 3 "/$kind"
    expect_refused_uninstall "$kind, fortunix-batch.exe running"
    exec 3>&-
    wait "$tool" || true
    rm "$work/input"
    echo "$kind: with a tool running, the silent installer and uninstaller refused and changed nothing"

    # An update in place replaces every file.
    wine "$setup" /S "/$kind" || fail "$kind: the update failed"
    replaced_and_tidy || fail "$kind: the update left an old file or its scratch folders"

    uninstall_silently || fail "$kind: the uninstaller failed"
    expect_uninstalled "$kind" "$shortcut"
    ! registry_has "HKCU\\Software\\Fortunix" || fail "$kind: the settings are left"
    gone "$lock_folder" || fail "$kind: the single-instance lock is left in $lock_folder"
    echo "$kind: uninstalled without a trace"
}

# The folder page of the installer of this kind shows the space the installed files take, in
# tenths of a megabyte as NSIS writes it (uninstall.exe, written by the installer, aside).
expect_space_required() {
    local bytes=$1 shown installer
    wine "$setup" "/$kind" >/dev/null 2>&1 &
    installer=$!
    wait_until eval 'window_texts "Fortunix Setup" | grep -q "^Space required: "' ||
        fail "$kind: no space required on the folder page"
    shown="$(window_texts "Fortunix Setup" | sed -n 's/^Space required: //p')"
    press "Fortunix Setup" Escape
    wait "$installer" || true
    awk -v shown="$shown" -v bytes="$bytes" 'BEGIN {
        split(shown, figure, " ")
        exit !(figure[2] == "MB" && figure[1] <= bytes / 1048576 && figure[1] >= bytes / 1048576 - 0.3)
    }' || fail "$kind: the folder page says space required: $shown, for $bytes bytes"
    echo "$kind: the folder page says space required: $shown"
}

check_chosen_folder() {
    use_kind CurrentUser
    local chosen='C:\Ünïcødé Prögrams\Fortunix'
    folder="$(unix_path "$chosen")"
    # As typed in a console: /D= takes the rest of the command line, spaces and all, unquoted.
    # (Wine would quote an argument with a space in it, so cmd gets the line as it stands.)
    cp "$setup" "$(unix_path 'C:\')/Fortunix-setup.exe"
    wine cmd /c "C:\Fortunix-setup.exe /S /CurrentUser /D=$chosen" || fail "/D=: the installer failed"
    [ -f "$folder/fortunix.exe" ] || fail "/D=: nothing installed in $chosen"
    gone "$(unix_path "$default_folder")" || fail "/D=: installed in $default_folder all the same"
    [ "$(registry_value "$key" InstallLocation)" = "$chosen" ] || fail "/D=: wrong InstallLocation"
    start_fortunix "/D=$chosen"
    stop_fortunix
    # Without /D= an update goes where the installation is; with /D= elsewhere it is refused,
    # as it would leave the first installation's files without an entry.
    wine "$setup" /S /CurrentUser || fail "/D=: the update failed"
    gone "$(unix_path "$default_folder")" || fail "/D=: the update went to $default_folder"
    local status=0
    wine cmd /c 'C:\Fortunix-setup.exe /S /CurrentUser /D=C:\Elsewhere' || status=$?
    [ "$status" -eq 4 ] || fail "/D=: a second installation elsewhere ended with $status, not 4"
    gone "$(unix_path 'C:\Elsewhere')" || fail "/D=: a second installation was made"
    uninstall_silently || fail "/D=: the uninstaller failed"
    expect_uninstalled "/D=$chosen" "$menu/Fortunix.lnk"
    rmdir "$(dirname "$folder")"
    echo "/D=$chosen: installed there, ran, and uninstalled without a trace"
}

# /D= quoted as Windows quotes an argument, typed in a console (here a batch file, which hands
# the line on as it stands). One per line: the /D= argument, then the folder it installs to, or
# nothing for a refusal with status 2 that installs nothing.
check_quoted_folder() {
    use_kind CurrentUser
    local argument chosen status
    cp "$setup" "$(unix_path 'C:\')/Fortunix-setup.exe"
    # The rows on their own descriptor: Wine reads the standard input.
    while IFS='|' read -r argument chosen <&4; do
        printf '%s\r\n' '@echo off' "C:\Fortunix-setup.exe /S /CurrentUser $argument" \
            'exit /b %ERRORLEVEL%' >"$(unix_path 'C:\')/install.bat"
        status=0
        wine cmd /c 'C:\install.bat' || status=$?
        if [ -z "$chosen" ]; then
            [ "$status" -eq 2 ] || fail "$argument: the installer ended with $status, not 2"
            ! registry_has "$key" && gone "$(unix_path "$default_folder")" ||
                fail "$argument: installed all the same"
            continue
        fi
        [ "$status" -eq 0 ] || fail "$argument: the installer ended with $status"
        folder="$(unix_path "$chosen")"
        [ -f "$folder/fortunix.exe" ] || fail "$argument: nothing installed in $chosen"
        [ "$(registry_value "$key" InstallLocation)" = "$chosen" ] || fail "$argument: wrong InstallLocation"
        uninstall_silently || fail "$argument: the uninstaller failed"
        expect_uninstalled "$argument" "$menu/Fortunix.lnk"
        rmdir "$(dirname "$folder")"
    done 4<<'ROWS'
/D="C:\Quoted Folder\Fortunix"|C:\Quoted Folder\Fortunix
"/D=C:\Whole Argument Quoted\Fortunix"|C:\Whole Argument Quoted\Fortunix
/D="Quoted Folder\Fortunix"|
ROWS
    echo "/D= quoted: installed there; without a full path refused with 2"
}

# With no kind on the command line, the first page proposes the kind that is installed. One
# per line: the kind installed (none for none), then the option ticked.
check_proposed_kind() {
    local installed proposed installer
    while IFS='|' read -r installed proposed <&4; do
        [ "$installed" = none ] || wine "$setup" /S "/$installed" || fail "$installed: the installer failed"
        wine "$setup" >/dev/null 2>&1 &
        installer=$!
        wait_until eval 'window_texts "Fortunix Setup" | grep -q "^\[x\] "' ||
            fail "$installed installed: no option ticked on the first page"
        [ "$(window_texts "Fortunix Setup" | sed -n 's/^\[x\] //p')" = "$proposed" ] ||
            fail "$installed installed: the first page proposes $(window_texts "Fortunix Setup" | grep '^\[x\]')"
        press "Fortunix Setup" Escape
        wait "$installer" || true
        if [ "$installed" != none ]; then
            use_kind "$installed"
            folder="$(unix_path "$default_folder")"
            uninstall_silently || fail "$installed: the uninstaller failed"
        fi
    done 4<<'ROWS'
none|Install just for me
AllUsers|Install for anyone using this computer
CurrentUser|Install just for me
ROWS
    echo "the first page proposes the kind that is installed"
}

# The recent births of the user who uninstalls stay unless asked for; another user's always
# stay. One per line: the kind, the uninstaller's options, whether the user's births stay.
check_recent_births() {
    local births other options stays
    births="$(unix_path "$(windows_variable APPDATA)\\Fortunix")"
    other="$(unix_path 'C:\users')/someone-else/AppData/Roaming/Fortunix"
    plant_births() {
        mkdir -p "$births" "$other"
        echo '[{"name":"JOHN"}]' | tee "$births/recent-births.json" "$other/recent-births.json" >/dev/null
        echo 'unreadable' >"$births/recent-births.unreadable.json"
    }
    while IFS='|' read -r kind options stays <&4; do
        use_kind "$kind"
        folder="$(unix_path "$default_folder")"
        plant_births
        wine "$setup" /S "/$kind" || fail "$kind: the installer failed"
        # shellcheck disable=SC2086 # the options are words
        uninstall_silently $options || fail "$kind $options: the uninstaller failed"
        expect_uninstalled "$kind $options" "$menu/Fortunix.lnk"
        if [ "$stays" = yes ]; then
            [ -f "$births/recent-births.json" ] && [ -f "$births/recent-births.unreadable.json" ] ||
                fail "$kind $options: the recent births were removed"
        else
            gone "$births" || fail "$kind $options: left behind: $(find "$births" | tr '\n' ' ')"
        fi
        [ -f "$other/recent-births.json" ] || fail "$kind $options: another user's recent births were removed"
    done 4<<'ROWS'
CurrentUser||yes
CurrentUser|/RemoveUserData|no
AllUsers|/RemoveUserData|no
ROWS

    # The pages: the offer unticked; the last page titled without a trailing space.
    use_kind CurrentUser
    folder="$(unix_path "$default_folder")"
    plant_births
    wine "$setup" /S /CurrentUser || fail "uninstaller pages: the installer failed"
    wine "$folder/uninstall.exe" >/dev/null 2>&1 &
    local uninstaller=$!
    wait_until eval 'window_texts "Fortunix Uninstall" | grep -q "recent births$"' ||
        fail "uninstaller pages: no offer to remove the recent births"
    [ "$(window_texts "Fortunix Uninstall" | grep "recent births$")" = "[ ] Also remove my recent births" ] ||
        fail "uninstaller pages: the offer reads $(window_texts "Fortunix Uninstall" | grep "recent births$")"
    screenshot "wine-uninstaller-first-page"
    press "Fortunix Uninstall" Return # Uninstall
    wait_until eval 'window_texts "Fortunix Uninstall" | grep -q "^&Finish$"' ||
        fail "uninstaller pages: no last page titled Fortunix Uninstall"
    screenshot "wine-uninstaller-last-page"
    press "Fortunix Uninstall" Return # Finish
    wait "$uninstaller" || true
    expect_uninstalled "uninstaller pages" "$menu/Fortunix.lnk"
    [ -f "$births/recent-births.json" ] || fail "uninstaller pages: the recent births were removed unasked"
    rm -rf "$births" "$other"
    echo "recent births: kept unless asked for, never another user's; the uninstaller's pages as designed"
}

check_one_kind_at_a_time() {
    use_kind CurrentUser
    folder="$(unix_path "$default_folder")"
    local user_key=$key user_menu=$menu
    wine "$setup" /S /CurrentUser || fail "both kinds: the installer failed"
    use_kind AllUsers
    local status=0
    wine "$setup" /S /AllUsers || status=$?
    [ "$status" -eq 4 ] || fail "both kinds: a silent install for all users ended with $status, not 4"
    gone "$(unix_path "$default_folder")" && ! registry_has "$key" ||
        fail "both kinds: installed for all users over one for the current user"
    wine "$setup" /S /AllUsers /Alongside || fail "both kinds: /Alongside failed"
    [ "$(registry_value "$key" DisplayName)" = "Fortunix (all users)" ] ||
        fail "both kinds: the second entry is not named after its kind"
    [ -f "$menu/Fortunix (all users).lnk" ] && [ ! -f "$menu/Fortunix.lnk" ] ||
        fail "both kinds: the second Start-menu entry is not named after its kind"
    [ "$(registry_value "$user_key" DisplayName)" = "Fortunix" ] ||
        fail "both kinds: the first entry changed"
    # An update of the second keeps its name, and needs no /Alongside any more.
    wine "$setup" /S /AllUsers || fail "both kinds: updating the second failed"
    [ "$(registry_value "$key" DisplayName)" = "Fortunix (all users)" ] ||
        fail "both kinds: the update renamed the second entry"
    folder="$(unix_path "$default_folder")"
    uninstall_silently || fail "both kinds: the all-users uninstaller failed"
    expect_uninstalled "both kinds, all users" "$menu/Fortunix (all users).lnk"
    key=$user_key
    folder="$(unix_path "$(windows_variable LOCALAPPDATA)\\Programs\\Fortunix")"
    uninstall_silently || fail "both kinds: the current-user uninstaller failed"
    expect_uninstalled "both kinds, current user" "$user_menu/Fortunix.lnk"
    echo "one kind at a time: the other kind refused (4), /Alongside named after its kind"
}

# The marked installation has been replaced and the scratch folders are gone.
replaced_and_tidy() {
    [ -f "$folder/qt.conf" ] && ! grep -q mark "$folder/qt.conf" &&
        gone "$folder/.setup-new" && gone "$folder/.setup-old"
}

# The pages, driven from the keyboard: with Fortunix running the installer asks to close it;
# Cancel ends it with nothing changed, Retry goes on once it is closed.
check_interactive() {
    use_kind CurrentUser
    folder="$(unix_path "$default_folder")"
    wine "$setup" /S /CurrentUser || fail "interactive: the first installation failed"
    echo "; mark" >>"$folder/qt.conf"
    local before status=0
    before="$(fingerprint "$folder")"
    start_fortunix interactive

    wine "$setup" >/dev/null 2>&1 &
    local installer=$!
    wait_until setup_message_shown || fail "interactive: no question while Fortunix runs"
    screenshot "wine-installer-fortunix-running"
    press "Fortunix Setup" Escape # Cancel
    wait "$installer" || status=$?
    [ "$status" -eq 3 ] || fail "interactive: Cancel ended the installer with $status, not 3"
    [ "$(fingerprint "$folder")" = "$before" ] || fail "interactive: Cancel changed files"

    wine "$folder/uninstall.exe" >/dev/null 2>&1 &
    local uninstaller=$!
    wait_until eval '[ "$(count_windows "Fortunix Uninstall")" -ge 1 ]' ||
        fail "interactive: the uninstaller asked nothing while Fortunix runs"
    screenshot "wine-uninstaller-fortunix-running"
    press "Fortunix Uninstall" Escape
    wait "$uninstaller" || true
    wait_until eval '[ "$(count_windows "Fortunix Uninstall")" -eq 0 ]' || fail "interactive: the uninstaller stayed"
    [ "$(fingerprint "$folder")" = "$before" ] || fail "interactive: the cancelled uninstaller changed files"

    wine "$setup" >/dev/null 2>&1 &
    installer=$!
    wait_until setup_message_shown || fail "interactive: no question the second time"
    stop_fortunix
    press "Fortunix Setup" Return # Retry
    # Found by its exact title: "Fortunix Setup", with no space after it.
    wait_until setup_wizard_shown || fail "interactive: Retry did not go on to the pages"
    press "Fortunix Setup" Return # the kind: just for me
    sleep 2
    press "Fortunix Setup" Return # the folder: Install
    wait_until replaced_and_tidy || fail "interactive: nothing installed"
    sleep 3 # until the last page is drawn
    screenshot "wine-installer-finish-page"
    # The program's picture on the last page: its sky blue at the bottom left of the window.
    local geometry x y colour
    geometry="$(windows_titled "Fortunix Setup" | head -1)"
    x=$(($(sed 's/.*+\([0-9]*\)+[0-9]*$/\1/' <<<"$geometry") + 10))
    y=$(($(sed 's/.*+\([0-9]*\)$/\1/' <<<"$geometry") + 300))
    import -window root "$work/finish.png"
    colour="$(convert "$work/finish.png" -crop "1x1+$x+$y" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')"
    [ "$colour" = "#60D3E8" ] || fail "interactive: the last page shows $colour, not the program's sky blue"
    press "Fortunix Setup" Return # Finish, with "Run Fortunix" ticked
    wait "$installer" || fail "interactive: the installer failed"
    wait_until main_window_shown || fail "interactive: Run Fortunix started nothing"
    stop_fortunix
    uninstall_silently || fail "interactive: the uninstaller failed"
    expect_uninstalled interactive "$menu/Fortunix.lnk"

    # For all users: the copy with administrator rights installs, this one runs the program.
    use_kind AllUsers
    folder="$(unix_path "$default_folder")"
    wine "$setup" /AllUsers >/dev/null 2>&1 &
    installer=$!
    wait_until setup_wizard_shown || fail "interactive, all users: no pages"
    press "Fortunix Setup" Return # the folder: Install
    wait_until registry_has "$key" || fail "interactive, all users: nothing installed"
    sleep 3 # until the last page is drawn
    press "Fortunix Setup" Return # Finish, with "Run Fortunix" ticked
    wait "$installer" || fail "interactive, all users: the installer failed"
    wait_until main_window_shown || fail "interactive, all users: Run Fortunix started nothing"
    [ -f "$folder/fortunix.exe" ] && registry_has "$key" || fail "interactive, all users: not installed"
    stop_fortunix
    uninstall_silently || fail "interactive, all users: the uninstaller failed"
    expect_uninstalled "interactive, all users" "$menu/Fortunix.lnk"
    echo "interactive: asked to close Fortunix, Cancel changed nothing, Retry installed; title, picture and Run Fortunix as designed"
}

for check in ${FORTUNIX_INSTALLER_CHECKS:-kind_CurrentUser kind_AllUsers chosen_folder quoted_folder proposed_kind recent_births one_kind_at_a_time interactive}; do
    case "$check" in
        kind_*) check_kind "${check#kind_}" ;;
        *) "check_$check" ;;
    esac
done
