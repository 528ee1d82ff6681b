#!/bin/bash
# Builds tests/float's harness with the runtime's floating point routines
# (runtime/soft_float.s, runtime/soft_double.s, as orrik links them) and runs
# it under qemu-riscv32 against the hardware's F and D instructions.
#   check.sh edges          every pair of edge operands, every operation
#   check.sh random N SEED  N random pairs per operation
# Skipped (77) without qemu-riscv32, clang (15 or 19) or ld.lld (15 or 19).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runtime=$here/../../runtime
first_of() { for tool in "$@"; do command -v "$tool" && return; done; echo "none of $* found" >&2; exit 77; }
first_of qemu-riscv32 > /dev/null
clang=$(first_of clang-15 clang-19)
linker=$(first_of ld.lld-15 ld.lld-19)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

objects=()
for name in soft_float soft_double; do
    "$clang" --target=riscv32 -march=rv32im -c "$runtime/$name.s" -o "$work/$name.o"
    objects+=("$work/$name.o")
done
for name in harness hardware operands; do
    "$clang" --target=riscv32 -march=rv32imfd -mabi=ilp32 -O2 -ffreestanding -fno-builtin -nostdlib \
        -Wall -Wextra -Wno-unused-parameter -Werror -c "$here/$name.c" -o "$work/$name.o"
    objects+=("$work/$name.o")
done
"$linker" "${objects[@]}" -o "$work/harness"
qemu-riscv32 "$work/harness" "$@"
