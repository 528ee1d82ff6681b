#!/bin/bash
# The C programs of this folder, compiled by GCC and by clang, with and without
# -g: each compiler's assembly, after the start-up stub of docs/compiled-c.md,
# is linked by orrik (with its runtime for memcpy, __divdi3, __adddf3 ...) and
# run by tamsel; it must stop at the stub's `done` with the value in a0 that
# qemu-riscv32 computes for the same assembly (linked there by ld.lld with
# libgcc and oracle_libc.c). A program that uses float or double must also
# leave what the same C computes with the hardware's floating point
# (-march=rv32imfd; -ffp-contract=off, since a fused multiply-add rounds once).
#
#   tests/c_programs/check.sh BUILD_DIR [--quick] [COMPILER...]
#
# COMPILER is gcc (riscv64-unknown-elf-gcc), clang-15 or clang-19 (all three
# when none is named; a clang that is not installed is skipped). Every
# optimisation level, with and without -g, takes a few minutes; --quick builds
# one level for each compiler, as the normal test run does. Skipped (77) when
# qemu-riscv32, GCC, or clang and ld.lld of version 15 or 19 are missing.
set -uo pipefail
build=$(cd "$1" && pwd)
shift
quick=""
[ "${1:-}" = --quick ] && { quick=yes; shift; }
here=$(cd "$(dirname "$0")" && pwd)
compilers=("$@")
[ ${#compilers[@]} -gt 0 ] || compilers=(gcc clang-15 clang-19)
for tool in qemu-riscv32 riscv64-unknown-elf-gcc; do
    command -v "$tool" > /dev/null || { echo "$tool is missing"; exit 77; }
done
first_of() { for tool in "$@"; do command -v "$tool" && return; done; echo "none of $* found" >&2; return 77; }
clang=$(first_of clang-15 clang-19) && lld=$(first_of ld.lld-15 ld.lld-19) &&
    objcopy=$(first_of llvm-objcopy-15 llvm-objcopy-19) || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# The builds: compiler, level and -g (or -), one a line. The quick ones differ
# in all three, so that each compiler, -g and the levels that matter most for
# learners are seen in every run.
builds() {
    for cc in "${compilers[@]}"; do
        command -v "$cc" > /dev/null || [ "$cc" = gcc ] || { echo "$cc is missing, skipped" >&2; continue; }
        if [ -n "$quick" ]; then
            case $cc in
                gcc) echo "$cc -O2 -g" ;;
                clang-15) echo "$cc -O0 -" ;;
                *) echo "$cc -Os -g" ;;
            esac
            continue
        fi
        for level in -O0 -O1 -O2 -O3 -Os; do
            echo "$cc $level -"
            echo "$cc $level -g"
        done
    done
}

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
"$clang" --target=riscv32 -march=rv32im -c qemu_start.s -o qemu_start.o
"$clang" --target=riscv32 -march=rv32im -mabi=ilp32 -O1 -ffreestanding -fno-builtin -c "$here/oracle_libc.c" -o oracle_libc.o
libgcc=$(riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -print-libgcc-file-name)

compile() {  # compiler march flags... -- source output
    local cc=$1 march=$2
    shift 2
    case $cc in
        gcc) riscv64-unknown-elf-gcc -march="$march" -mabi=ilp32 -S "$@" ;;
        *) "$cc" --target=riscv32 -march="$march" -mabi=ilp32 -S "$@" ;;
    esac
}

assemble_for_qemu() {  # compiler march source object
    case $1 in
        gcc) riscv64-unknown-elf-gcc -march="$2" -mabi=ilp32 -c "$3" -o "$4" ;;
        *) "$1" --target=riscv32 -march="$2" -mabi=ilp32 -c "$3" -o "$4" ;;
    esac
}

# What a0 holds after the assembly in $3 ran under qemu-riscv32, unsigned.
run_on_qemu() {  # compiler march source
    local name=${3%.s}
    # ld.lld-15 does not know the relocations clang-19 writes in debug sections.
    assemble_for_qemu "$1" "$2" "$3" "$name.o" && "$objcopy" --strip-debug "$name.o" &&
        "$lld" --no-relax -e _start qemu_start.o "$name.o" oracle_libc.o "$libgcc" -o "$name" &&
        qemu-riscv32 "./$name" | od -An -t u4 | tr -d ' '
}

# What a0 holds at `done` under tamsel, unsigned; "stopped at PC after N
# instructions" when the run ends elsewhere.
run_on_tamsel() {  # image
    local out pc done_at value steps
    # Each answer follows the prompts of the commands before it on its line.
    out=$(printf 'pc _start\nbreak done\nrun\ninfo registers\ninfo steps\ninfo labels\n' | "$build/tamsel" "$1" 2>&1 |
          sed 's/^\(>> \)*//')
    pc=$(sed -n 's/^PC: 0x//p' <<< "$out")
    done_at=$(sed -n 's/^done: //p' <<< "$out")
    value=$(sed -n 's/^x10: //p' <<< "$out")
    steps=$(sed -n 's/^Instructions Executed: //p' <<< "$out")
    if [ -z "$pc" ] || [ "$pc" != "$done_at" ]; then
        echo "stopped at ${pc:-?} after ${steps:-?} instructions: $(grep -v '^>>\|^x[0-9]*:\|: [0-9a-f]*$' <<< "$out" | head -1)"
        return
    fi
    echo $(( value < 0 ? value + 0x100000000 : value ))
}

# What the same C computes with the hardware's floating point, for a program
# that uses float or double ("" for the others), once for each compiler and
# level: -g changes nothing of it, the level may (what the compiler folds).
with_hardware() {  # compiler level program
    local name kept
    name=$(basename "$3" .c)_hw
    kept=$name$1$2.value
    grep -qwE 'float|double' "$3" || return 0
    [ -s "$kept" ] || { compile "$1" rv32imfd "$2" -ffp-contract=off "$3" -o "$name.s" 2> /dev/null &&
                        run_on_qemu "$1" rv32imfd "$name.s" > "$kept"; }
    [ -s "$kept" ] && cat "$kept"
}

failed() { fail=$((fail + 1)); echo "  $cc $level $debug $name: $*"; }

total_linked=0 total_match=0 total_fail=0 total_hardware=0
printf '%-9s %-4s %-3s %8s %8s %6s %10s\n' compiler level -g programs linked match fp=hw
while read -r cc level debug; do
    flags=("$level")
    [ "$debug" = -g ] && flags+=(-g)
    programs=0 linked=0 match=0 fail=0 hardware=0
    for program in "$here"/*.c; do
        name=$(basename "$program" .c)
        [ "$name" = oracle_libc ] && continue
        programs=$((programs + 1))
        compile "$cc" rv32im "${flags[@]}" "$program" -o "$name.s" 2> /dev/null || { failed "does not compile"; continue; }
        machine=$(run_on_qemu "$cc" rv32im "$name.s")
        [ -n "$machine" ] || { failed "no qemu build"; continue; }
        floating=$(with_hardware "$cc" "$level" "$program") || { failed "no hardware floating-point build"; continue; }
        cat start.s "$name.s" > "p_$name.s"
        if ! "$build/orrik" "p_$name.s" 2> "$name.err"; then
            failed "refused: $(grep -v 'Report to dorvik' "$name.err" | head -2)"
            continue
        fi
        linked=$((linked + 1))
        simulated=$(run_on_tamsel "p_$name.o")
        if [ "$simulated" != "$machine" ]; then
            failed "tamsel $simulated, qemu-riscv32 $machine"
        elif [ -n "$floating" ] && [ "$simulated" != "$floating" ]; then
            failed "tamsel $simulated, hardware floating point $floating"
        else
            match=$((match + 1))
            [ -n "$floating" ] && hardware=$((hardware + 1))
        fi
    done
    printf '%-9s %-4s %-3s %8d %8d %6d %10d\n' "$cc" "$level" "$debug" "$programs" "$linked" "$match" "$hardware"
    total_linked=$((total_linked + linked)) total_match=$((total_match + match))
    total_fail=$((total_fail + fail)) total_hardware=$((total_hardware + hardware))
done < <(builds)
echo "linked $total_linked, matching qemu-riscv32 $total_match (float and double ones also hardware floating point: $total_hardware), failed $total_fail"
[ "$total_fail" -eq 0 ] && [ "$total_match" -gt 0 ]
