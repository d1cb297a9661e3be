#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program under a virtual X
# server until its main window appears, then uninstalls it and checks nothing is left.
# As root the package goes through dpkg itself; otherwise it is unpacked into a scratch root.
#   deb_package_test.sh BUILD_DIR "MAIN WINDOW TITLE"
set -euo pipefail
build_dir="$1"
title="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/fortunix_*.deb)"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
[[ "$depends" == *libqt6widgets6* ]] || { echo "FAIL: Qt is not among the computed dependencies"; exit 1; }

real_install=false
if [ "$(id -u)" -eq 0 ] && command -v dpkg >/dev/null; then
    real_install=true
    dpkg -i "$deb" >/dev/null
    program=/usr/bin/fortunix
else
    dpkg-deb -x "$deb" "$work/root"
    program="$work/root/usr/bin/fortunix"
fi
[ -x "$program" ] || { echo "FAIL: $program was not installed"; exit 1; }

# The single-instance lock is the user's whatever the environment (/run/user/<uid>, else
# ~/.cache/fortunix-instance of the account's home): while the user's own copy holds it, the
# installed one can only say "Application is already running". Say so, and skip.
account_home="$(getent passwd "$(id -u)" | cut -d: -f6)"
for lock in "/run/user/$(id -u)/fortunix.lock" "$account_home/.cache/fortunix-instance/fortunix.lock"; do
    holder="$(head -n 1 "$lock" 2>/dev/null || true)"
    if [[ "$holder" =~ ^[0-9]+$ ]] && [ "$(cat "/proc/$holder/comm" 2>/dev/null)" = fortunix ]; then
        echo "SKIPPED: Fortunix is running for this user (process $holder holds $lock), so the"
        echo "installed program would only say \"Application is already running\". Close it and run again."
        exit 77
    fi
done

# A private home, runtime folder and settings, so the run touches nothing of the user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
seen="$(xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
    "$0" & pid=$!
    for _ in $(seq 1 100); do
        if xwininfo -root -tree 2>/dev/null | grep -qF "$1"; then
            echo yes; break
        fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true' "$program" "$title")"
[ "$seen" = yes ] || { echo "FAIL: the installed program showed no main window"; exit 1; }

if $real_install; then
    files="$(dpkg -L fortunix | grep -v -E '^/\.$|/$')"
    dpkg -r fortunix >/dev/null
    left=""
    for file in $files; do
        [ -f "$file" ] && left+="$file "
    done
    [ -z "$left" ] || { echo "FAIL: left behind after removal: $left"; exit 1; }
fi
echo "package installs, starts and uninstalls cleanly"
