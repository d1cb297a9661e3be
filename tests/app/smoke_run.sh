#!/usr/bin/env bash
# Starts the real program under a virtual X server: its main window must appear and stay, it
# must arm the update reminder with a disguised setting, and a second copy must show only
# the "already running" message. Usage: smoke_run.sh <path to fortunix> <name> <version>
# Private home and settings folders keep the user's own Fortunix out of it, and so does a copy
# of the program under a name of its own: the single-instance lock, named after the
# executable, sits in the user's own folder whatever the environment.
set -euo pipefail
program="$(realpath "$1")"
program_name="$2"                # the message boxes' title and the settings folder
title="$program_name v$3"        # the main window's title

if [ -z "${FORTUNIX_SMOKE_DISPLAY:-}" ]; then
    exec xvfb-run -a env FORTUNIX_SMOKE_DISPLAY=1 "$0" "$program" "$2" "$3"
fi

work="$(mktemp -d)"
pids=()
name="fortunix-smoke-$$"
cleanup() {
    for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
    rm -rf "$work"
    # The killed copies leave their lock file and socket in the user's lock folder.
    home="$(getent passwd "$(id -u)" | cut -d: -f6)"
    rm -f "/run/user/$(id -u)/$name".{lock,socket} "$home/.cache/fortunix-instance/$name".{lock,socket}
}
trap cleanup EXIT
cp "$program" "$work/$name"
program="$work/$name"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*" >&2; exit 1; }

# Number of top-level windows with exactly this title.
windows_titled() { xwininfo -root -tree | grep -c "^ *0x[0-9a-f]* \"$1\": (\"" || true; }

wait_for_window() {
    for _ in $(seq 100); do
        [ "$(windows_titled "$1")" -ge 1 ] && return 0
        sleep 0.1
    done
    return 1
}

"$program" >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
wait_for_window "$title" || fail "no main window titled '$title'"
sleep 1
kill -0 "$first" 2>/dev/null || fail "the program ended by itself"
[ "$(windows_titled "$title")" -eq 1 ] || fail "more than the main window is shown"

settings="$XDG_CONFIG_HOME/$program_name/$(basename "$program").conf"
[ -f "$settings" ] || fail "no settings written to $settings"
grep -q '^\[Settings\]' "$settings" || fail "no Settings section in $settings"
! grep -q 'Duration' "$settings" || fail "the plain setting name is stored"

"$program" >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
wait_for_window "$program_name" || fail "the second copy shows no message"
[ "$(windows_titled "$title")" -eq 1 ] || fail "the second copy opened a window"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"

kill -TERM "$second" "$first"
echo "the program started, showed its main window and refused a second copy"
