#!/usr/bin/env bash
# From launching the program to its main window mapped on the screen, five times over, under
# a virtual X server. Private home and runtime folders keep the user's settings out of it.
#
#   bench/startup_time.sh build/default/src/fortunix
set -euo pipefail
program="$(realpath "${1:?usage: startup_time.sh path/to/fortunix}")"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The main window's title: the name and version of the project() line, "Fortunix v1.30".
title="$(sed -n 's/^project(\([A-Za-z]*\) VERSION \([0-9.]*\).*/\1 v\2/p' "$root/CMakeLists.txt")"
work="$(mktemp -d)"
# A copy under a name of its own, so a running Fortunix does not refuse it; the killed runs
# leave its lock file in the user's lock folder.
name="fortunix-bench-$$"
home="$(getent passwd "$(id -u)" | cut -d: -f6)"
trap 'rm -rf "$work" "/run/user/$(id -u)/$name.lock" "$home/.cache/fortunix-instance/$name.lock"' EXIT
cp "$program" "$work/$name"
program="$work/$name"
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a bash -c '
    for run in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$0" & pid=$!
        until xwininfo -name "$1" 2>/dev/null | grep -q "IsViewable"; do
            sleep 0.002
        done
        end=$(date +%s%N)
        echo "launch to main window shown: $(( (end - start) / 1000000 )) ms"
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done' "$program" "$title"
