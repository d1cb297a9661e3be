#!/bin/sh
# Times fortunix-batch on 1,000,000 and on 100,000 varied valid birth lines and prints the
# elapsed seconds and the peak memory of each run; equal peaks show that memory stays flat.
#
#   sh bench/batch_bench.sh build/default/tools/fortunix-batch
#   cmake --build build/default --target fortunix_batch_bench
set -eu

batch=${1:?usage: batch_bench.sh path/to/fortunix-batch}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {
    sh "$(dirname "$0")/batch_lines.sh" "$1"
}

for lines in 1000000 100000; do
    generate "$lines" >"$work/births.csv"
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$batch" <"$work/births.csv" >"$work/out.txt"
    read -r seconds maxKilobytes <"$work/time.txt"
    outputLines=$(wc -l <"$work/out.txt")
    refused=$(grep -c '^error$' "$work/out.txt" || true)
    echo "$lines lines: $seconds s, max RSS $maxKilobytes KB ($outputLines output lines, $refused refused)"
done
