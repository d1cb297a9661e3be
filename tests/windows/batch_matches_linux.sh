#!/bin/sh
# fortunix-batch.exe under Wine gives the Linux build's output, byte for byte apart from its
# CR LF line endings, and the same standard error and exit status: for the worked example, for
# the 100,000 varied births of the batch benchmark, and for refused and blank lines.
#   tests/windows/batch_matches_linux.sh LINUX_BATCH WINE_RUN WINDOWS_BATCH
set -eu
linux=${1:?usage: batch_matches_linux.sh LINUX_BATCH WINE_RUN WINDOWS_BATCH}
wine_run=${2:?}
windows=${3:?}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs both builds on one input and compares; LF in the Linux output is CR LF on Windows.
compare() {
    name=$1
    status_linux=0; status_windows=0
    "$linux" <"$work/$name.csv" >"$work/$name.linux.out" 2>"$work/$name.linux.err" || status_linux=$?
    "$wine_run" "$windows" <"$work/$name.csv" >"$work/$name.windows.out" \
        2>"$work/$name.windows.err" || status_windows=$?
    for stream in out err; do
        sed 's/$/\r/' "$work/$name.linux.$stream" >"$work/$name.expected.$stream"
        cmp -s "$work/$name.expected.$stream" "$work/$name.windows.$stream" ||
            fail "$name: standard $stream differs from Linux's ($(diff "$work/$name.expected.$stream" "$work/$name.windows.$stream" | head -3 | tr '\r\n' '  '))"
    done
    [ "$status_linux" = "$status_windows" ] ||
        fail "$name: exit status $status_windows, Linux $status_linux"
    echo "$name: $(wc -l <"$work/$name.linux.out") lines identical, exit status $status_linux"
}

printf '2000,1,1,12,0,29,0,0,W,51,30,N,0\n' >"$work/worked-example.csv"
compare worked-example
[ "$(tr -d '\r' <"$work/worked-example.windows.out")" = "280,223,24,81,21º Gemini" ] ||
    fail "the worked example reads $(cat "$work/worked-example.windows.out")"

sh "$here/../../bench/batch_lines.sh" 100000 >"$work/benchmark.csv"
compare benchmark

# Refusals, blank lines, CR LF input, spaces, a line without its newline.
printf '%s\r\n' '1901,1,1,0,0,0,0,0,E,0,0,N,0' '2050,12,31,23,59,70,179,59,W,89,59,S,1' '' \
    '2000,2,30,12,0,29,0,0,W,51,30,N,0' '1900,1,1,0,0,0,0,0,E,0,0,N,0' ' 1999 , 6 , 15 , 6 , 30 , 12 , 2 , 20 , E , 48 , 51 , N , 1 ' \
    'not,a,birth' >"$work/edges.csv"
printf '2000,1,1,12,0,29,0,0,W,51,30,N,0' >>"$work/edges.csv"
compare edges
