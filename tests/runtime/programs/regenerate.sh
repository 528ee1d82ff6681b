#!/bin/sh
# Compiles each C program here with clang-15 at -O0 and -O2 (no_mul.c for
# RV32I, without the M extension) to NAME-OLEVEL.s, behind the start-up code
# of docs/compiled-c.md (start.s). ../corpus.sh links and runs them. Run from
# anywhere after changing a .c file.
set -eu
cd "$(dirname "$0")"
for source in *.c; do
    name=${source%.c}
    march=rv32im
    [ "$name" = no_mul ] && march=rv32i
    for level in O0 O2; do
        clang-15 --target=riscv32 -march=$march -mabi=ilp32 -$level -S "$source" -o - |
            grep -v -E '^[[:space:]]*\.(attribute|ident|addrsig)' > "$name.tmp"
        cat start.s "$name.tmp" > "$name-$level.s"
        rm "$name.tmp"
    done
done
