#!/bin/bash
# Whole-process figures: tamsel's start-up, a console session of a million
# instructions against qemu-riscv32 running the same program, and orrik against
# clang-15 -c alone. Installs qemu-user, lld-15 and time when they are missing.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
runs=${RUNS:-50}
sh "$here/../scripts/install-deps" qemu-user lld-15 time >&2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Mean wall time of a command in microseconds, over $runs runs; stdin from $2.
mean_us() {
    local command=$1 input=$2 start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do eval "$command" < "$input" > /dev/null 2>&1 || true; done
    end=$(date +%s%N)
    echo $(( (end - start) / runs / 1000 ))
}

# a / b as a decimal number.
div() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

# "name value unit target", with the ratio of value to target.
report() {
    awk -v n="$1" -v v="$2" -v u="$3" -v t="$4" -v lower="${5:-yes}" 'BEGIN {
        r = v / t; ok = (lower == "yes") ? (r <= 1) : (r >= 1)
        printf "%-44s %10.2f %-6s target %s %-6s ratio %.2f %s\n", n, v, u, (lower == "yes" ? "<=" : ">="), t, r, ok ? "ok" : "MISSED"
    }'
}

sed 's/^    EXIT$/    j done/' "$here/mixed.s" > mixed.s
sed 's/^    EXIT$/    li a7, 93\n    li a0, 0\n    ecall/' "$here/mixed.s" > qemu.s
cp "$here/../examples/bubble_sort.s" typical.s
"$build/orrik" mixed.s
printf 'q\n' > quit.txt
printf 'pc main\nrun\nq\n' > million.txt

mips=$("$build/sim_bench" --benchmark_filter=BM_RunMixed 2>/dev/null |
       awk '/^BM_RunMixed/ { for (i = 1; i <= NF; i++) if ($i ~ /^MIPS=/) { sub("MIPS=", "", $i); sub("/s", "", $i); print $i } }')
report "run, mixed program, limit 0" "$mips" MIPS 300 no

startup=$(mean_us "'$build/tamsel' mixed.o" quit.txt)
rss=$(/usr/bin/time -f %M "$build/tamsel" mixed.o < quit.txt 2>&1 >/dev/null | tail -1)
report "tamsel start-up to exit, small program" "$(div "$startup" 1000)" ms 5
report "tamsel start-up peak resident memory" "$(div "$rss" 1024)" MiB 16

# Memory follows the program, not the 256 MiB data segment: 100,000 more words.
{ echo "main:"; echo ".rept 100000"; echo "nop"; echo ".endr"; echo "done: j done"; } > big.s
"$build/orrik" big.s
big_rss=$(/usr/bin/time -f %M "$build/tamsel" big.o < quit.txt 2>&1 >/dev/null | tail -1)
echo "peak resident memory: $(div "$rss" 1024) MiB for the small program," \
     "$(div "$big_rss" 1024) MiB with 100,000 words ($(div "$(( (big_rss - rss) * 1024 ))" 100000) bytes a word)"

# A dump writes three characters a byte: 16 MiB of data, a 48 MiB file.
printf 'dump big.txt 20000000 1000000\n' > dump.txt
dumped=$(runs=3 mean_us "'$build/tamsel' mixed.o" dump.txt)
echo "console dump of 16 MiB of data: $(div "$dumped" 1000) ms"
rm -f big.txt

clang-15 --target=riscv32 -march=rv32im -nostdlib -c qemu.s -o qemu.o
ld.lld-15 qemu.o -o qemu.elf -e _start --section-start=.text=0x10000000 --section-start=.data=0x20000000
qemu-riscv32 ./qemu.elf || { echo "qemu-riscv32 did not run the program" >&2; exit 1; }
session=$(mean_us "'$build/tamsel' mixed.o" million.txt)
qemu=$(mean_us "qemu-riscv32 ./qemu.elf" quit.txt)
echo "console session of 1,000,000 instructions: $(div "$session" 1000) ms;" \
     "qemu-riscv32 on the same program: $(div "$qemu" 1000) ms"
report "tamsel session / qemu-riscv32 (1M instructions)" "$(div "$session" "$qemu")" x 1

linked=$(mean_us "'$build/orrik' typical.s" quit.txt)
assembled=$(mean_us "clang-15 --target=riscv32 -march=rv32im -nostdlib -c typical.s" quit.txt)
echo "orrik on a typical source: $(div "$linked" 1000) ms;" \
     "clang-15 -c alone: $(div "$assembled" 1000) ms"
report "orrik / clang-15 -c" "$(div "$linked" "$assembled")" x 1.2

# A program that calls the runtime (memcpy, memset) pays one more assembler run.
cp "$here/../tests/runtime/programs/records-O2.s" calls_runtime.s
with_runtime=$(mean_us "'$build/orrik' calls_runtime.s" quit.txt)
assembled=$(mean_us "clang-15 --target=riscv32 -march=rv32im -nostdlib -c calls_runtime.s" quit.txt)
echo "orrik on a source that calls the runtime: $(div "$with_runtime" 1000) ms;" \
     "clang-15 -c alone: $(div "$assembled" 1000) ms"
report "orrik with runtime / (2 x clang-15 -c)" "$(div "$with_runtime" "$(( 2 * assembled ))")" x 1.2
