#!/bin/sh
# Remakes the checked-in seeds from their sources: the objects of fuzz/seeds/*.s
# and examples/*.s for the ELF target, and the obj files orrik makes of them
# for the loader target (those it refuses are left out). Console seeds are
# written by hand; the inputs of earlier findings (finding-*) are kept as they
# are, so every run replays them. Usage: sh fuzz/make_seeds.sh [build folder]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for source in "$here"/seeds/*.s "$here"/../examples/*.s; do
    name=$(basename "$source" .s)
    cp "$source" "$work/$name.s"
    clang-15 --target=riscv32 -march=rv32im -nostdlib -c "$work/$name.s" -o "$here/corpus/elf/$name.elf"
    (cd "$work" && "$build/orrik" "$name.s" > /dev/null 2>&1) && cp "$work/$name.o" "$here/corpus/loader/$name.obj" ||
        echo "orrik refuses $name.s: no loader seed"
done
