#!/bin/sh
# Prints COUNT varied valid birth lines for fortunix-batch. Every field moves at its own pace,
# so dates, hours, zones, places and flags all vary.
#   sh bench/batch_lines.sh COUNT
set -eu
awk -v count="${1:?usage: batch_lines.sh COUNT}" 'BEGIN {
    for (i = 0; i < count; i++) {
        printf "%d,%d,%d,%d,%d,%d,%d,%d,%s,%d,%d,%s,%d\n",
            1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 71,
            i % 180, i % 59, (i % 2 ? "E" : "W"), i % 90, i % 57, (i % 3 ? "N" : "S"), i % 5 < 2
    }
}'
