#!/bin/sh
# Links and runs every example with its script and compares standard output,
# standard error and the files it writes with what examples/expected holds.
set -eu
build=$(cd "$1" && pwd)
examples=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
passed=0
for source in "$examples"/*.s; do
    name=$(basename "$source" .s)
    cp "$source" "$examples/$name.script" "$work"
    (cd "$work" && "$build/orrik" "$name.s" && "$build/tamsel" "$name.o" < "$name.script" > "$name.out" 2> "$name.err") || {
        echo "FAILED: $name did not link or run"; failed=$((failed + 1)); continue; }
    ok=1
    for stream in out err; do
        cmp -s "$work/$name.$stream" "$examples/expected/$name.$stream" || {
            echo "FAILED: $name standard $stream differs:"; diff "$examples/expected/$name.$stream" "$work/$name.$stream" || true; ok=0; }
    done
    [ $ok = 1 ] && passed=$((passed + 1)) || failed=$((failed + 1))
done
# Under check calls every example keeps the calling convention and reads no
# register before writing it: the same output, with one prompt more.
for source in "$examples"/*.s; do
    name=$(basename "$source" .s)
    (cd "$work" && { echo "check calls"; cat "$name.script"; } | "$build/tamsel" "$name.o" > "$name.checked.out" 2> "$name.checked.err") || true
    { printf '>> '; cat "$examples/expected/$name.out"; } | cmp -s - "$work/$name.checked.out" &&
        cmp -s "$examples/expected/$name.err" "$work/$name.checked.err" || {
        echo "FAILED: $name says more under check calls:"; cat "$work/$name.checked.err"; failed=$((failed + 1)); }
done
for file in "$examples"/expected/*.txt; do
    cmp -s "$file" "$work/$(basename "$file")" || { echo "FAILED: $(basename "$file") differs"; failed=$((failed + 1)); }
done
echo "$passed passed, $failed failed"
[ $failed = 0 ]
