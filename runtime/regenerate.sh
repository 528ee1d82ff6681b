#!/bin/sh
# Compiles each runtime/NAME.c to runtime/NAME.s, the assembly orrik adds to a
# program that calls its routines. Both are checked in: building orrik needs no
# C compiler for RISC-V. The lines clang-15 writes that other assemblers read
# differently (.attribute strings clang-19 rejects, .file, .ident, .addrsig)
# are left out. Run from anywhere, after changing a .c file.
set -eu
cd "$(dirname "$0")"
for source in *.c; do
    name=${source%.c}
    clang-15 --target=riscv32 -march=rv32im -mabi=ilp32 -O2 -ffreestanding -fno-builtin -nostdlib \
        -fno-asynchronous-unwind-tables -fno-addrsig -S "$source" -o "$name.s"
    grep -v -E '^[[:space:]]*\.(attribute|file|ident|addrsig)' "$name.s" > "$name.s.tmp"
    mv "$name.s.tmp" "$name.s"
done
