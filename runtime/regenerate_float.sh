#!/bin/bash
# Compiles the floating point routines' C to the assembly checked in beside
# it, which is what orrik links. Run from anywhere after changing a .c file.
# The attribute lines clang-15 writes are dropped: later assemblers reject
# its version strings, and orrik's code needs none of them.
set -euo pipefail
cd "$(dirname "$0")"
for name in soft_float soft_double; do
    clang-15 --target=riscv32 -march=rv32im -mabi=ilp32 -O2 -ffreestanding -fno-builtin -nostdlib \
        -fno-asynchronous-unwind-tables -fno-addrsig -S "$name.c" -o "$name.s"
    sed -i -E '/^\s*\.(attribute|file|ident|addrsig)/d' "$name.s"
done
