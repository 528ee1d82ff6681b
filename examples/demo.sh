#!/bin/sh
# Links an example with orrik and runs it in tamsel with its script, in a
# scratch folder, so a newcomer sees the whole toolchain at work.
set -eu
build=$(cd "${1:-build}" && pwd)
examples=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cp "$examples/bubble_sort.s" "$examples/bubble_sort.script" "$work"
cd "$work"

echo "\$ cat bubble_sort.s"
cat bubble_sort.s
echo
echo "\$ orrik bubble_sort.s"
"$build/orrik" bubble_sort.s
printf 'list\ninfo registers\n' >> bubble_sort.script
echo "\$ cat bubble_sort.script"
cat bubble_sort.script
echo "\$ tamsel bubble_sort.o < bubble_sort.script    # one prompt for each line read"
"$build/tamsel" bubble_sort.o < bubble_sort.script
echo
echo "\$ paste -d ' ' - - - - < sorted.txt    # one data byte a line; four make a little-endian word"
paste -d ' ' - - - - < sorted.txt
