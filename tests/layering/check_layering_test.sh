#!/usr/bin/env bash
# The layering check against small made-up trees: a sound one passes, and each fault it
# exists for makes it fail with a message naming the folders.
set -euo pipefail

check=$(dirname "${BASH_SOURCE[0]}")/check_layering.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# tree <name> <file:include>...: a tree whose files each include one header (or none).
tree() {
    local dir="$work/$1"
    shift
    for entry in "$@"; do
        local file=${entry%%:*} include=${entry#*:}
        mkdir -p "$dir/$(dirname "$file")"
        [ -n "$include" ] && printf '#include %s\n' "$include" >>"$dir/$file"
        touch "$dir/$file"
    done
    echo "$dir"
}

# expect <case> <want status> <want text in output> <tree> <order>
expect() {
    local name=$1 want=$2 text=$3 dir=$4 order=$5 output status=0
    output=$("$check" "$dir" "$order" 2>&1) || status=$?
    if [ "$status" -ne "$want" ] || ! grep -qF -- "$text" <<<"$output"; then
        echo "FAIL $name: status $status (want $want), output:"
        echo "$output"
        failures=$((failures + 1))
    fi
}

order="low mid high"
expect "downward includes only" 0 "layering ok" \
    "$(tree sound 'low/A.h:' 'mid/B.cpp:"low/A.h"' 'high/C.cpp:"mid/B.h"' 'high/D.cpp:<QWidget>')" \
    "$order"
expect "a folder uses one above it" 1 'low uses mid, which is not below it: low/A.cpp: #include "mid/B.h"' \
    "$(tree upward 'low/A.cpp:"mid/B.h"' 'mid/B.h:')" "$order"
expect "two folders use each other" 1 "folders in a cycle: low -> mid -> low" \
    "$(tree pair 'low/A.cpp:"mid/B.h"' 'mid/B.cpp:"low/A.h"')" "$order"
expect "a cycle through a third folder" 1 "folders in a cycle: low -> high -> mid -> low" \
    "$(tree three 'low/A.cpp:"high/C.h"' 'high/C.cpp:"mid/B.h"' 'mid/B.cpp:"low/A.h"')" "$order"
expect "a folder outside the order" 1 "folder extra is not in the declared order" \
    "$(tree unknown 'low/A.h:' 'extra/E.cpp:"low/A.h"')" "$order"
expect "Qt in a standard-library-only folder" 1 "reading/R.cpp: a standard-library-only folder includes <QString>" \
    "$(tree qt 'reading/R.cpp:<QString>')" "reading"

[ "$failures" -eq 0 ] && echo "all layering check cases pass"
exit "$failures"
