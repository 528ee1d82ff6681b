#!/bin/bash
# orrik on programs that use thousands of labels they never define, beside as
# many that they do: every use is refused, and the link must still end at
# once. Prints the wall time of each link and the target it is held to.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

for count in 2000 8000; do
    {
        echo "    .text"
        echo "main:"
        for ((i = 0; i < count; i++)); do echo "label_$i: call missing_$i"; done
        echo "done: j done"
    } > undefined.s
    start=$(date +%s%N)
    status=0
    "$build/orrik" undefined.s > /dev/null 2> errors.txt || status=$?
    end=$(date +%s%N)
    [ "$status" = 1 ] || { echo "orrik gave status $status, not 1" >&2; exit 1; }
    awk -v n="$count" -v ms=$(( (end - start) / 1000000 )) -v lines="$(wc -l < errors.txt)" 'BEGIN {
        printf "%5d undefined labels, %5d defined: %6d ms, %d lines of errors; target <= 2000 ms %s\n",
               n, n, ms, lines, ms <= 2000 ? "ok" : "MISSED"
    }'
done
