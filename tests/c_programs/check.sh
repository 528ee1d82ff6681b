#!/bin/bash
# The C programs of this folder, compiled by GCC and by clang at every
# optimisation level, with and without -g: each compiler's assembly, after the
# start-up stub of docs/compiled-c.md, linked by orrik and run by tamsel to
# `done`, must leave in a0 what qemu-riscv32 computes for the same assembly
# (linked there by ld.lld with libgcc for the support routines). Not part of
# the normal test run: it takes a few minutes.
#
#   tests/c_programs/check.sh BUILD_DIR [COMPILER...]
#
# COMPILER is gcc (riscv64-unknown-elf-gcc), clang-15 or clang-19 (all three
# when none is named). Programs that call a routine of a support library
# (memcpy, __divdi3, __adddf3 ...) are counted apart: orrik links them only
# once it has a runtime of its own.
set -uo pipefail
build=$(cd "$1" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
compilers=("$@")
[ ${#compilers[@]} -gt 0 ] || compilers=(gcc clang-15 clang-19)
for tool in qemu-riscv32 ld.lld-15 llvm-objcopy-15 clang-15 riscv64-unknown-elf-gcc; do
    command -v "$tool" > /dev/null || { echo "$tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The guide's stub for orrik; for qemu the same start, then a0 written out and an exit.
awk '/<!-- file: start.s -->/ {take = 1; next} take && /^```asm/ {next} take && /^```/ {exit} take' \
    "$here/../../docs/compiled-c.md" > start.s
cat > qemu_start.s <<'STUB'
    .text
    .globl _start
_start:
    la sp, stack_top
    call main
    la t0, result
    sw a0, 0(t0)
    li a0, 1
    mv a1, t0
    li a2, 4
    li a7, 64
    ecall
    li a0, 0
    li a7, 93
    ecall
    .bss
    .p2align 4
result: .space 16
stack: .space 65536
stack_top:
STUB
clang-15 --target=riscv32 -march=rv32im -c qemu_start.s -o qemu_start.o
clang-15 --target=riscv32 -march=rv32im -mabi=ilp32 -O1 -ffreestanding -fno-builtin -c "$here/oracle_libc.c" -o oracle_libc.o
libgcc=$(riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -print-libgcc-file-name)

compile() {  # compiler level debug source output
    case $1 in
        gcc) riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -S "$2" $3 "$4" -o "$5" ;;
        *) "$1" --target=riscv32 -march=rv32im -mabi=ilp32 -S "$2" $3 "$4" -o "$5" ;;
    esac
}

assemble_for_qemu() {  # compiler source object
    case $1 in
        gcc) riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -c "$2" -o "$3" ;;
        *) "$1" --target=riscv32 -march=rv32im -c "$2" -o "$3" ;;
    esac
}

total_pass=0 total_fail=0 total_runtime=0
printf '%-9s %-4s %-3s %6s %6s %8s\n' compiler level -g match wrong runtime
for cc in "${compilers[@]}"; do
    command -v "$cc" > /dev/null || [ "$cc" = gcc ] || { echo "$cc is missing, skipped"; continue; }
    for level in -O0 -O1 -O2 -O3 -Os; do
        for debug in "" -g; do
            pass=0 fail=0 runtime=0
            for program in "$here"/*.c; do
                name=$(basename "$program" .c)
                [ "$name" = oracle_libc ] && continue
                compile "$cc" "$level" "$debug" "$program" "$name.s" 2> /dev/null || { fail=$((fail + 1)); echo "  $cc $level $debug $name: does not compile"; continue; }
                # ld.lld-15 does not know the relocations clang-19 writes in debug sections.
                assemble_for_qemu "$cc" "$name.s" "$name.q.o" && llvm-objcopy-15 --strip-debug "$name.q.o" &&
                    ld.lld-15 --no-relax -e _start qemu_start.o "$name.q.o" oracle_libc.o "$libgcc" -o "$name.q" ||
                    { fail=$((fail + 1)); echo "  $cc $level $debug $name: no qemu build"; continue; }
                machine=$(qemu-riscv32 "./$name.q" | od -An -t u4 | tr -d ' ')
                cat start.s "$name.s" > "p_$name.s"
                if ! "$build/orrik" "p_$name.s" 2> "$name.err"; then
                    if grep -q "undefined label\|C library routine" "$name.err"; then
                        runtime=$((runtime + 1))
                    else
                        fail=$((fail + 1))
                        echo "  $cc $level $debug $name: refused: $(grep -v 'Report to dorvik' "$name.err" | head -2)"
                    fi
                    continue
                fi
                value=$(printf 'pc _start\nbreak done\nrun\ninfo registers\n' | "$build/tamsel" "p_$name.o" 2> /dev/null |
                        sed -n 's/^x10: //p')
                simulated=$(( value < 0 ? value + 0x100000000 : value ))
                if [ "$simulated" = "$machine" ]; then
                    pass=$((pass + 1))
                else
                    fail=$((fail + 1))
                    echo "  $cc $level $debug $name: tamsel $simulated, qemu-riscv32 $machine"
                fi
            done
            printf '%-9s %-4s %-3s %6d %6d %8d\n' "$cc" "$level" "${debug:--}" "$pass" "$fail" "$runtime"
            total_pass=$((total_pass + pass)) total_fail=$((total_fail + fail)) total_runtime=$((total_runtime + runtime))
        done
    done
done
echo "needs no runtime: $total_pass match qemu-riscv32, $total_fail do not; needs the runtime: $total_runtime"
[ "$total_fail" -eq 0 ]
