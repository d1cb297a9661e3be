#!/bin/sh
# Times fortunix-batch on 1,000,000 and on 100,000 varied valid birth lines and prints the
# elapsed seconds and the peak memory of each run, then the same for one 300 MB line; equal
# peaks show that memory stays flat.
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

# One line of 300,000,000 characters between two good lines: refused without being held, so
# the peak memory stays that of the runs above, and the line after it is still read.
good=2000,1,1,12,0,29,0,0,W,51,30,N,0
{ echo "$good"; head -c 300000000 /dev/zero | tr '\0' 1; echo; echo "$good"; } |
    /usr/bin/time -f "%e %M" -o "$work/time.txt" "$batch" >"$work/out.txt" 2>"$work/err.txt" || true
# time writes a line about the exit status 1 (a refused line) before the figures.
read -r seconds maxKilobytes <<END
$(tail -n 1 "$work/time.txt")
END
echo "300 MB line: $seconds s, max RSS $maxKilobytes KB (output: $(tr '\n' ' ' <"$work/out.txt"); $(cat "$work/err.txt"))"
