#!/bin/bash
# Each program of tests/programs, linked by orrik and run by tamsel to its
# `done` label, must leave in a0..a5 what it leaves there on a RISC-V machine:
# qemu-riscv32 running the same source, linked by ld.lld, with `done` replaced
# by a write of a0..a5 to standard output. Skipped (77) without those tools;
# `make bench` installs them.
set -euo pipefail
build=$(cd "$1" && pwd)
programs=$(cd "$2" && pwd)
assembler=${3:-clang-15}  # the one orrik runs, so that both sides assemble alike
command -v qemu-riscv32 > /dev/null && command -v ld.lld-15 > /dev/null || { echo "qemu-riscv32 or ld.lld-15 missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

write_registers='done:\n    la t0, regs\n    sw a0, 0(t0)\n    sw a1, 4(t0)\n    sw a2, 8(t0)\n    sw a3, 12(t0)\n    sw a4, 16(t0)\n    sw a5, 20(t0)\n    li a0, 1\n    mv a1, t0\n    li a2, 24\n    li a7, 64\n    ecall\n    li a0, 0\n    li a7, 93\n    ecall\n    .pushsection .bss.regs,"aw",@nobits\nregs: .space 24\n    .popsection'

passed=0 failed=0
for source in "$programs"/*.s; do
    name=$(basename "$source" .s)
    { echo "    .globl main"; sed "s/^done: j done\$/$write_registers/" "$source"; } > "q_$name.s"
    "$assembler" --target=riscv32 -march=rv32im -nostdlib -c "q_$name.s" -o "q_$name.o"
    # No relaxation: orrik keeps every instruction where the assembler put it,
    # and code where orrik puts it, so that alignments in code pad alike.
    ld.lld-15 "q_$name.o" -o "q_$name" -e main --no-relax -Ttext=0x10000000 -Tdata=0x20000000
    machine=$(qemu-riscv32 "./q_$name" | od -An -t d4 -w24 | tr -s ' ')

    cp "$source" "$name.s"
    "$build/orrik" "$name.s" 2> "$name.err" || { cat "$name.err"; exit 1; }
    simulated=""
    while read -r value; do
        simulated+=" $(( value > 0x7fffffff ? value - 0x100000000 : value ))"
    done < <(printf 'pc main\nbreak done\nrun\ninfo registers\n' | "$build/tamsel" "$name.o" | sed -n 's/^x1[0-5]: //p')

    if [ "$machine" = "$simulated" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "$name: a0..a5 are$simulated under tamsel, $machine on qemu-riscv32"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
