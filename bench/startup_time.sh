#!/usr/bin/env bash
# From launching the program to its main window mapped on the screen, five times over, under
# a virtual X server. Private home and runtime folders keep the user's settings out of it.
#
#   bench/startup_time.sh build/default/src/fortunix [BIRTHS [MINIMAL_WINDOW]]
# With BIRTHS (0..20), the user's recent births hold that many births (each with its place).
# With MINIMAL_WINDOW (build/default/bench/minimal_window), each run starts that reference too,
# in turn with the program, and prints both times, their ratio and both peak memories
# (budgets: 1.15 × the time, 1.1 × the memory).
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
births="${2:-0}"
if [ "$births" -gt 0 ]; then
    mkdir -p "$work/.local/share/Fortunix"
    python3 - "$births" >"$work/.local/share/Fortunix/recent-births.json" <<'PYTHON'
import json, sys
birth = {"name": "", "year": 2000, "month": 1, "day": 1, "hour": 12, "minute": 0, "second": 0,
         "zoneRow": 29, "daylightSaving": False, "latitudeDegrees": "51",
         "latitudeMinutes": "30", "south": False, "longitudeDegrees": "0",
         "longitudeMinutes": "7", "east": False, "city": "London", "state": "England",
         "country": "United Kingdom", "zoneFollowsPlace": True,
         "place": {"name": "London", "division": "England", "country": "United Kingdom",
                   "zone": "Europe/London", "longitude": -0.12574}}
births = [dict(birth, name="PERSON %d" % n) for n in range(int(sys.argv[1]))]
print(json.dumps({"remember": True, "births": births}, indent=4))
PYTHON
fi

reference="${3:+$(realpath "$3")}"
# -noreset: the server would otherwise start over whenever its last client leaves, and refuse
# a program that connects meanwhile.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    # Starts the command after $1 and $2 and prints the ms from launch to its window named $1
    # mapped; its peak memory goes to the file $2.
    shown() {
        local title="$1" peak="$2" start end pid
        shift 2
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o "$peak" "$@" & pid=$!
        until xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable"; do
            # A program that ended without a window (no display, a refused start) ends the run.
            kill -0 "$pid" 2>/dev/null || { echo "$title ended without its window" >&2; exit 1; }
            sleep 0.002
        done
        end=$(date +%s%N)
        pkill -TERM -P "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo $(( (end - start) / 1000000 ))
    }
    ratio() { awk -v a="$1" -v b="$2" "BEGIN { printf \"%.2f\", a / b }"; }
    for run in 1 2 3 4 5; do
        program_ms=$(shown "$1" "$3/program.peak" "$0") || exit 1
        line="launch to main window shown: $program_ms ms"
        if [ -n "$2" ]; then
            reference_ms=$(shown "Minimal $$" "$3/reference.peak" "$2" "Minimal $$") || exit 1
            program_kb=$(tail -1 "$3/program.peak")
            reference_kb=$(tail -1 "$3/reference.peak")
            line="$line; minimal window $reference_ms ms ($(ratio "$program_ms" "$reference_ms") ×)"
            line="$line; peak memory $((program_kb / 1024)) MB, minimal window"
            line="$line $((reference_kb / 1024)) MB ($(ratio "$program_kb" "$reference_kb") ×)"
        fi
        echo "$line"
    done' "$program" "$title" "$reference" "$work"
