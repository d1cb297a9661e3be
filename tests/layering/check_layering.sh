#!/usr/bin/env bash
# Reads the #include "folder/..." lines of every source file under a source tree and fails
# when a folder uses a folder above it in the declared order, when two folders use each
# other directly or through others (a cycle), when a folder is missing from the order, or
# when a standard-library-only folder includes a Qt header.
#
#   check_layering.sh [source tree] [order, lowest first]
set -euo pipefail

src=${1:-$(dirname "${BASH_SOURCE[0]}")/../../src}
order=${2:-"ephemeris reading atlas zones platform widgets shell forms app"}
std_only="ephemeris reading"

cd "$src"
mapfile -t files < <(find . -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) | sort)
if [ ${#files[@]} -eq 0 ]; then
    echo "no source files under $src" >&2
    exit 1
fi
awk -v order="$order" -v std_only="$std_only" '
    # i -> ... -> j along include edges, from the reachability table built below.
    function Path(i, j,    k) {
        if ((i, j) in edge) return i " -> " j
        k = via[i, j]
        return Path(i, k) substr(Path(k, j), length(k) + 1)
    }
    BEGIN {
        count = split(order, layer, " ")
        for (i = 1; i <= count; ++i) rank[layer[i]] = i
        split(std_only, bare, " ")
        for (i in bare) stdOnly[bare[i]] = 1
    }
    FNR == 1 {
        path = FILENAME
        sub(/^\.\//, "", path)
        from = path
        sub(/\/.*/, "", from)
        folders[from] = 1
    }
    /^[ \t]*#[ \t]*include[ \t]*</ && (from in stdOnly) {
        header = $0
        sub(/^[^<]*</, "", header)
        sub(/>.*/, "", header)
        if (header ~ /^Q/) {
            printf "%s: a standard-library-only folder includes <%s>\n", path, header
            failed = 1
        }
    }
    /^[ \t]*#[ \t]*include[ \t]*"[^"\/]+\// {
        target = $0
        sub(/^[^"]*"/, "", target)
        sub(/\/.*/, "", target)
        if (target == from) next
        if (!((from, target) in edge)) {
            edge[from, target] = path ": " $0
        }
        folders[target] = 1
    }
    END {
        for (f in folders) {
            if (!(f in rank)) {
                printf "folder %s is not in the declared order (%s)\n", f, order
                failed = 1
            }
        }
        for (key in edge) {
            split(key, pair, SUBSEP)
            if ((pair[1] in rank) && (pair[2] in rank) && rank[pair[2]] >= rank[pair[1]]) {
                printf "%s uses %s, which is not below it: %s\n", pair[1], pair[2], edge[key]
                failed = 1
            }
        }
        # Reachability over the include graph; a folder that reaches itself lies on a cycle.
        for (key in edge) reach[key] = 1
        for (k in folders) for (i in folders) if ((i, k) in reach)
            for (j in folders) if ((k, j) in reach) {
                reach[i, j] = 1
                if (!((i, j) in via)) via[i, j] = k
            }
        for (f in folders) {
            if ((f, f) in reach) {
                printf "folders in a cycle: %s\n", Path(f, f)
                failed = 1
            }
        }
        if (failed) exit 1
        print "layering ok: " order
    }' "${files[@]}"
