#!/usr/bin/env bash
# fortunix-atlas for one query as a whole process, beside its reference in the same run: a Qt
# Core program that prints one line (qt_core_line.cpp). CPU time (user + system) and peak
# resident memory; 21 runs of each, taken in turns, twice. Budgets: at most 3 × the
# reference's CPU time, at most 15 MB.
#
#   bench/atlas_process.sh build/default/tools/fortunix-atlas build/default/bench/qt_core_line
set -euo pipefail
atlas="${1:?usage: atlas_process.sh path/to/fortunix-atlas path/to/qt_core_line}"
reference="${2:?usage: atlas_process.sh path/to/fortunix-atlas path/to/qt_core_line}"
runs=21
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# CPU time of `runs` runs of a command, in ms per run: the shell's own count of its children,
# finer than one run's clock ticks.
cpu_ms() {
    local TIMEFORMAT="%3U %3S"
    { time (for _ in $(seq "$runs"); do "$@" >/dev/null; done) ; } 2>&1 |
        awk -v n="$runs" '{ printf "%.1f", ($1 + $2) * 1000 / n }'
}
peak_mb() {
    /usr/bin/time -f "%M" -o "$work/peak" "$@" >/dev/null
    awk '{ printf "%.1f", $1 / 1024 }' "$work/peak"
}
# In turns, so that both see the same load.
atlas_cpu=$(cpu_ms "$atlas" Paris "" France)
reference_cpu=$(cpu_ms "$reference")
atlas_cpu2=$(cpu_ms "$atlas" Paris "" France)
reference_cpu2=$(cpu_ms "$reference")
echo "fortunix-atlas Paris \"\" France: $atlas_cpu, $atlas_cpu2 ms CPU; $(peak_mb "$atlas" Paris "" France) MB peak"
echo "Qt Core program printing a line: $reference_cpu, $reference_cpu2 ms CPU; $(peak_mb "$reference") MB peak"
awk -v a="$atlas_cpu" -v b="$atlas_cpu2" -v r="$reference_cpu" -v s="$reference_cpu2" \
    'BEGIN { printf "CPU ratio: %.2f (budget 3)\n", (a + b) / (r + s) }'
