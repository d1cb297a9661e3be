#!/usr/bin/env bash
# fortunix-batch.exe and fortunix-atlas.exe as a Windows user runs them in a console:
#   - written to the console, "21º" and "München" show as those characters, on standard
#     output and on standard error, while the other stream goes to a file in UTF-8 bytes;
#   - arguments outside ASCII arrive whole, in Cyrillic and Greek too (the wide command line);
#   - a line of only Ctrl+Z ends the input although the other end stays open.
# The console is read back through a pseudo-terminal: run under `script`, a console program
# gets from Wine 8 a real Windows console, kept by Wine's conhost in its terminal mode (no
# window, no X server), which draws the console's screen onto the terminal, turning its UTF-16
# characters into the terminal's UTF-8 (LC_ALL=C.UTF-8). What `script` records is what the
# console shows, with the terminal's control sequences, which are taken out. A program that
# wrote its UTF-8 bytes to the console would show them in the console's code page: "21Âº".
#   tests/windows/console_test.sh WINE_RUN TOOLS_FOLDER
set -euo pipefail
wine_run="$(realpath "${1:?usage: console_test.sh WINE_RUN TOOLS_FOLDER}")"
tools="$(realpath "${2:?}")"
batch="$tools/fortunix-batch.exe"
atlas="$tools/fortunix-atlas.exe"
export LC_ALL=C.UTF-8
work="$(mktemp -d)"
writer=""
cleanup() {
    [ -z "$writer" ] || kill "$writer" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# What the console showed while the shell command line $1 ran in it, 200 columns wide: the
# terminal's control sequences taken out (a move right becomes spaces), tabs and runs of
# spaces made one space, carriage returns dropped.
shown() {
    script -fqec "stty cols 200 rows 50; $1" "$work/typescript" </dev/null >/dev/null
    grep -av '^Script \(started\|done\) on' "$work/typescript" |
        perl -pe 's/\e\[(\d*)C/" " x ($1 || 1)/ge; s/\e\][^\a]*\a//g; s/\e\[[0-9;?]*[A-Za-z]//g;
                  s/\r//g; s/[ \t]+/ /g; s/ $//'
}

# The console shows the line $2 whole.
expect_shown() {
    grep -qxF -- "$2" <<<"$1" || fail "$3: the console showed
$1
instead of the line: $2"
}

q() { printf '%q' "$1"; }

# fortunix-batch: its reading on standard output, a refusal on standard error.
printf '2000,1,1,12,0,29,0,0,W,51,30,N,0\r\nnot a birth\r\n' >"$work/births.csv"
screen="$(shown "$(q "$wine_run") $(q "$batch") <$(q "$work/births.csv")")"
expect_shown "$screen" "280,223,24,81,21º Gemini" "fortunix-batch to the console"
expect_shown "$screen" "line 2: expected 13 comma-separated fields, found 1" \
    "fortunix-batch's standard error to the console"
echo "fortunix-batch: 21º shown on the console"

# fortunix-atlas, with arguments outside ASCII: a note on standard error, the places on
# standard output.
note="fortunix-atlas: nothing matching was found in 'Österreich'; places of other countries follow"
munich="Munich Bavaria Germany 48.1374 11.5755 Europe/Berlin München"
atlas_command="$(q "$wine_run") $(q "$atlas") München Bayern Österreich"
screen="$(shown "$atlas_command")"
expect_shown "$screen" "$note" "fortunix-atlas's standard error to the console"
expect_shown "$screen" "$munich" "fortunix-atlas to the console"
echo "fortunix-atlas: München and Österreich shown on the console"

# One stream to the console, the other to a file: the file holds UTF-8 and CR LF.
screen="$(shown "$atlas_command 2>$(q "$work/err")")"
expect_shown "$screen" "$munich" "fortunix-atlas to the console, its errors to a file"
printf '%s\r\n' "$note" | cmp -s - "$work/err" ||
    fail "standard error in a file holds $(od -c "$work/err" | head -5)"
screen="$(shown "$atlas_command >$(q "$work/out")")"
expect_shown "$screen" "$note" "fortunix-atlas's errors to the console, its output to a file"
grep -qaxF "$(printf 'Munich\tBavaria\tGermany\t48.1374\t11.5755\tEurope/Berlin\t\t\t\tMünchen\t\r')" \
    "$work/out" || fail "standard output in a file holds $(head -c 400 "$work/out" | od -c | head -8)"
echo "fortunix-atlas: a file receives UTF-8 while the console shows characters"

# A birthplace in Cyrillic, outside the ANSI code page: it arrives by the wide command line,
# and the console shows the name it was found by; a Greek slip is offered with its note.
screen="$(shown "$(q "$wine_run") $(q "$atlas") Москва '' Россия")"
expect_shown "$screen" "Moscow Moscow Russia 55.7522 37.6156 Europe/Moscow Москва" \
    "fortunix-atlas given a city and country in Cyrillic"
screen="$(shown "$(q "$wine_run") $(q "$atlas") Αθνήα '' Ελλάδα")"
expect_shown "$screen" "fortunix-atlas: no place matches; the closest spellings follow" \
    "fortunix-atlas given a Greek slip, its note"
expect_shown "$screen" "Athens Attica Greece 37.9838 23.7278 Europe/Athens Αθήνα" \
    "fortunix-atlas given a Greek slip"
echo "fortunix-atlas: Москва and a Greek slip arrive whole and are shown on the console"

# A line of only Ctrl+Z ends the input while the writer is still there, as typed input ends
# (the writer would wait a minute).
mkfifo "$work/typed"
{
    printf '2000,1,1,12,0,29,0,0,W,51,30,N,0\r\n\032\r\nnot read\r\n'
    sleep 60
} >"$work/typed" &
writer=$!
status=0
timeout 30 "$wine_run" "$batch" <"$work/typed" >"$work/read" 2>&1 || status=$?
kill "$writer" 2>/dev/null || true
writer=""
[ "$status" = 0 ] || fail "fortunix-batch did not end at the Ctrl+Z line (status $status)"
[ "$(tr -d '\r' <"$work/read")" = "280,223,24,81,21º Gemini" ] ||
    fail "fortunix-batch wrote $(cat "$work/read") before the Ctrl+Z line"
echo "fortunix-batch: a Ctrl+Z line ends the input"
