#!/bin/bash
# Compiles the floating point routines' C to the assembly checked in beside
# it, which is what orrik links:  runtime/regenerate_float.sh [OUTPUT_DIR]
# (by default runtime/ itself). The lines clang-15 writes for the object's
# attributes, file name and identity are dropped: later assemblers reject its
# attribute strings, and the routines need none of them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "${1:-$here}" && pwd)
for name in soft_float soft_double; do
    clang-15 --target=riscv32 -march=rv32im -mabi=ilp32 -O2 -ffreestanding -fno-builtin -nostdlib \
        -fno-asynchronous-unwind-tables -fno-addrsig -S "$here/$name.c" -o "$out/$name.s"
    sed -i -E '/^\s*\.(attribute|file|ident|addrsig)/d' "$out/$name.s"
done
