#!/bin/sh
# Compiles each runtime/NAME.c to NAME.s, the assembly orrik adds to a program
# that calls its routines: runtime/regenerate.sh [OUTPUT_DIR] (by default
# runtime/ itself). Both are checked in: building orrik needs no C compiler for
# RISC-V. The lines clang-15 writes that other assemblers read differently
# (.attribute strings clang-19 rejects, .file, .ident, .addrsig) are left out.
# Run from anywhere, after changing a .c file.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "${1:-$here}" && pwd)
for source in "$here"/*.c; do
    name=$(basename "$source" .c)
    clang-15 --target=riscv32 -march=rv32im -mabi=ilp32 -O2 -ffreestanding -fno-builtin -nostdlib \
        -fno-asynchronous-unwind-tables -fno-addrsig -S "$source" -o "$out/$name.s.tmp"
    grep -v -E '^[[:space:]]*\.(attribute|file|ident|addrsig)' "$out/$name.s.tmp" > "$out/$name.s"
    rm "$out/$name.s.tmp"
done
