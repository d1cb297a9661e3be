#!/usr/bin/env bash
# Installs Fortunix with its Windows installer into a new Wine prefix, as on a fresh computer:
# silently for the current user, then silently for all users. Each time the installed program
# must show its main window (under a virtual X server), keep its setting in the registry under
# its own name, hold its single-instance lock in the user's own folder and refuse a second copy;
# the silent uninstall must then leave no file, shortcut, registry entry or lock behind.
#   tests/windows/installer_test.sh Fortunix-<version>-setup.exe
# With FORTUNIX_SCREENSHOTS=<folder> it also saves a picture of the screen with the main window.
set -euo pipefail
setup="$(realpath "${1:?usage: installer_test.sh SETUP.EXE}")"
# The program's name and version, from the installer's name: Fortunix-1.30-setup.exe.
setup_name="$(basename "$setup" -setup.exe)"
name="${setup_name%%-*}"
version="${setup_name#*-}"
title="$name v$version"  # the main window's

if [ -z "${FORTUNIX_INSTALLER_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        env FORTUNIX_INSTALLER_DISPLAY=1 "$0" "$setup"
fi

work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine hands WINEQT_* variables to programs as QT_*. Its own font engine draws no text in line
# edits; FreeType does (a limit of Wine, not of Windows).
export WINEQT_QPA_PLATFORM="windows:fontengine=freetype"
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Wine's background services start with the first program and inherit its output: start them
# with none.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1 &
wineboot -i </dev/null >/dev/null 2>&1

# A Windows path of the prefix as a Linux path.
unix_path() { winepath -u "$1" 2>/dev/null; }
windows_variable() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
registry_has() { wine reg query "$1" >/dev/null 2>&1; }
registry_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
windows_titled() { xwininfo -root -tree | grep -c "^ *0x[0-9a-f]* \"$1\": (\"" || true; }
wait_until() {
    for _ in $(seq 300); do
        if "$@"; then return 0; fi
        sleep 0.2
    done
    return 1
}
main_window_shown() { [ "$(windows_titled "$title")" -ge 1 ]; }
message_shown() { [ "$(windows_titled "$name")" -ge 1 ]; }
installed_files() { [ -e "$folder" ] && find "$folder" -type f | sort; }
gone() { [ ! -e "$1" ]; }

check_mode() {
    local mode=$1 hive=$2 folder_windows=$3 menu_windows=$4
    local key="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
    folder="$(unix_path "$folder_windows")"
    local shortcut
    shortcut="$(unix_path "$menu_windows")/$name.lnk"

    wine "$setup" /S "/$mode" || fail "$mode: the installer failed"
    for file in fortunix.exe uninstall.exe qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
        libstdc++-6.dll plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll; do
        [ -f "$folder/$file" ] || fail "$mode: $file is not installed in $folder_windows"
    done
    [ -f "$shortcut" ] || fail "$mode: no Start-menu entry at $shortcut"
    [ "$(registry_value "$key" DisplayName)" = "$name" ] || fail "$mode: no entry in $key"
    [ "$(registry_value "$key" DisplayVersion)" = "$version" ] || fail "$mode: wrong version in $key"
    local quiet
    quiet="$(registry_value "$key" QuietUninstallString)"
    [ -n "$quiet" ] || fail "$mode: no silent uninstall command"
    echo "$mode: installed $(installed_files | wc -l) files ($(du -sh "$folder" | cut -f1)) in $folder_windows"

    # The installed program, started as the Start menu does.
    (cd "$folder" && exec wine fortunix.exe >/dev/null 2>&1) &
    local first=$!
    wait_until main_window_shown || fail "$mode: the installed program shows no main window"
    sleep 1
    kill -0 "$first" 2>/dev/null || fail "$mode: the installed program ended by itself"
    # The lock of the running copy lies in the user's own folder.
    [ -f "$lock_folder/fortunix.lock" ] || fail "$mode: no lock at $lock_folder/fortunix.lock"
    local settings="HKCU\\Software\\$name\\fortunix\\Settings"
    registry_has "$settings" || fail "$mode: no settings under $settings"
    ! wine reg query "$settings" 2>/dev/null | grep -q Duration ||
        fail "$mode: the plain setting name is stored"
    if [ -n "${FORTUNIX_SCREENSHOTS:-}" ] && command -v import >/dev/null; then
        mkdir -p "$FORTUNIX_SCREENSHOTS"
        import -window root "$FORTUNIX_SCREENSHOTS/wine-$mode-main-window.png"
    fi
    ! message_shown || fail "$mode: a message is shown before a second copy starts"
    (cd "$folder" && exec wine fortunix.exe >/dev/null 2>&1) &
    local second=$!
    wait_until message_shown || fail "$mode: a second copy shows no message"
    [ "$(windows_titled "$title")" -eq 1 ] || fail "$mode: a second copy opened a window"
    if [ -n "${FORTUNIX_SCREENSHOTS:-}" ] && command -v import >/dev/null; then
        sleep 2  # until the message is drawn
        import -window root "$FORTUNIX_SCREENSHOTS/wine-$mode-second-copy.png"
    fi
    wine taskkill /f /im fortunix.exe >/dev/null 2>&1 || true
    wait "$first" "$second" 2>/dev/null || true
    echo "$mode: the installed program showed its main window and refused a second copy"

    # The uninstaller copies itself away and returns at once: wait for it to finish.
    eval "wine $(printf '%s' "$quiet" | sed 's/\\/\\\\/g')" || fail "$mode: the uninstaller failed"
    wait_until gone "$folder" || fail "$mode: left behind: $(installed_files | tr '\n' ' ')"
    wait_until gone "$shortcut" || fail "$mode: the Start-menu entry is left"
    ! registry_has "$key" || fail "$mode: the Apps & features entry is left"
    ! registry_has "HKCU\\Software\\$name" || fail "$mode: the settings are left"
    gone "$lock_folder" || fail "$mode: the single-instance lock is left in $lock_folder"
    echo "$mode: uninstalled without a trace"
}

lock_folder="$(unix_path "$(windows_variable LOCALAPPDATA)\\$name")"
check_mode CurrentUser HKCU "$(windows_variable LOCALAPPDATA)\\Programs\\$name" \
    "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
check_mode AllUsers HKLM "$(windows_variable ProgramW6432)\\$name" \
    "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs"
