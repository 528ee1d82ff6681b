#!/bin/bash
# C programs compiled to assembly (programs/*.s, made by programs/regenerate.sh)
# that call the runtime: each is linked by orrik and run by tamsel to its
# `done` label, and must leave in a0 the value written in expected.txt; where
# qemu-riscv32, ld.lld-15 and riscv64-unknown-elf-gcc are installed, also the
# value a RISC-V machine computes for the same assembly, with libgcc's integer
# helpers and our own memory and string routines. Skipped (77) without clang.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
runtime=$(cd "$here/../../runtime" && pwd)
# orrik runs clang-15, or the newest clang-N, or clang: any of them will do here.
compgen -c | grep -E '^clang(-[0-9]+)?$' > /dev/null || { echo "no clang"; exit 77; }  # no -q: grep must read all, or pipefail sees SIGPIPE
qemu=yes
for tool in qemu-riscv32 ld.lld-15 riscv64-unknown-elf-gcc clang-15; do
    command -v "$tool" > /dev/null || qemu=""
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

if [ -n "$qemu" ]; then
    mkdir runtime
    for unit in memcpy memmove memset memcmp strlen strcpy strncpy strcmp strncmp strchr; do
        clang-15 --target=riscv32 -march=rv32im -c "$runtime/$unit.s" -o "runtime/$unit.o"
    done
    libgcc=$(riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -print-libgcc-file-name)
fi
write_a0='    la t0, result\n    sw a0, 0(t0)\n    li a0, 1\n    mv a1, t0\n    li a2, 4\n    li a7, 64\n    ecall\n    li a0, 0\n    li a7, 93\n    ecall\n    .pushsection .bss.result,"aw",@nobits\nresult: .space 4\n    .popsection'

passed=0 failed=0
for source in "$here"/programs/*.s; do
    name=$(basename "$source" .s)
    [ "$name" = start ] && continue
    cp "$source" "$name.s"
    "$build/orrik" "$name.s" 2> "$name.err" || { cat "$name.err"; exit 1; }
    value=$(printf 'pc _start\nbreak done\nrun\ninfo registers\n' | "$build/tamsel" "$name.o" 2>&1 | sed -n 's/^x10: //p')
    value=$(( value > 0x7fffffff ? value - 0x100000000 : value ))
    expected=$(sed -n "s/^$name //p" "$here/expected.txt")
    machine=$expected
    if [ -n "$qemu" ]; then
        sed "s/^    j done .*/$write_a0/" "$source" > "q_$name.s"
        clang-15 --target=riscv32 -march=rv32im -c "q_$name.s" -o "q_$name.o"
        ld.lld-15 "q_$name.o" runtime/*.o "$libgcc" -o "q_$name" -e _start --no-relax -Ttext=0x10000000 \
            -Tdata=0x20000000
        machine=$(qemu-riscv32 "./q_$name" | od -An -t d4 | tr -d ' ')
    fi
    if [ "$value" = "$expected" ] && [ "$value" = "$machine" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "$name: a0 is $value under tamsel, $machine on qemu-riscv32, $expected in expected.txt"
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
