#!/bin/bash
# The runtime's integer routines against a RISC-V machine (int_edges.c), run
# under qemu-riscv32. Skipped (77) without riscv64-unknown-elf-gcc, a clang
# or qemu-riscv32.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
for tool in riscv64-unknown-elf-gcc qemu-riscv32; do
    command -v "$tool" > /dev/null || { echo "$tool missing"; exit 77; }
done
# The units assemble alike under clang-15 and later ones.
clang=""
for candidate in clang-15 clang-19 clang-18 clang-17 clang-16; do
    command -v "$candidate" > /dev/null && { clang=$candidate; break; }
done
[ -n "$clang" ] || { echo "no clang-15 or later"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
objects=()
for unit in div64 div32 mul shift64 bits; do
    # Renamed, so that the compiler's own helpers (libgcc) stay the oracle.
    sed -E 's/(__[a-z]+[sd]i[0-9])/our\1/g' "$source_dir/runtime/$unit.s" > "$unit.s"
    "$clang" --target=riscv32 -march=rv32im -c "$unit.s" -o "$unit.o"
    objects+=("$unit.o")
done
gcc_flags=(-march=rv32im -mabi=ilp32 -O2 -ffreestanding -nostdlib -static)
riscv64-unknown-elf-gcc "${gcc_flags[@]}" "$source_dir/tests/runtime/int_edges.c" "${objects[@]}" -lgcc -o int_edges
qemu-riscv32 ./int_edges
