#!/bin/bash
# Generated programs of code and data sections full of alignments (sections
# that hold only their padding among them), linked by orrik and run by tamsel,
# against ld.lld-15 --no-relax and qemu-riscv32 (tests/against_qemu.sh): a
# check run by hand, not part of the suite. Needs python3, ld.lld-15 and
# qemu-riscv32. Usage: tests/alignment_check.sh BUILD [COUNT] [SEED]
set -euo pipefail
build=$(cd "$1" && pwd)
count=${2:-200}
seed=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
work=${KEEP:-$(mktemp -d)}; mkdir -p "$work"
[ -n "${KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
python3 - "$work" "$count" "$seed" <<'PY'
import random, sys
folder, count, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
for n in range(count):
    r = random.Random(seed * 1000003 + n)
    code, data, labels, data_labels = [], [], [], []
    sections = r.randint(1, 4)
    aligned_start = [r.random() < 0.6 for _ in range(sections)]
    for i in range(sections):
        code.append('    .section .text.s%d,"ax",@progbits' % i)
        # Only padding and a label: what follows must start where its label is.
        # At the largest alignment, so that no padding lies between it and the
        # next section, where ld.lld puts zeros that would not run.
        empty = i + 1 < sections and r.random() < 0.4
        if aligned_start[i] or empty:
            code.append('    .p2align %d' % (5 if empty else r.randint(2, 5)))
        code.append('L%d:' % i)
        labels.append('L%d' % i)
        if empty:
            continue
        for _ in range(r.randint(0, 4)):
            code.append('    addi a0, a0, %d' % r.randint(1, 9))
            if r.random() < 0.4:
                code.append('    .p2align %d' % r.randint(2, 5))
                code.append('M%d_%d:' % (i, len(code)))
                labels.append('M%d_%d' % (i, len(code) - 1))
        # The end last: qemu's run writes the registers there, in more code.
        code.append('    j L%d' % (i + 1) if i + 1 < sections else 'done: j done')
    for i in range(r.randint(1, 4)):
        data.append('    .data' if i == 0 else '    .section .data.d%d,"aw",@progbits' % i)
        if r.random() < 0.6:
            data.append('    .p2align %d' % r.randint(1, 4))
        data.append('D%d:' % i)
        data_labels.append('D%d' % i)
        data.append('    .byte ' + ', '.join(str(r.randint(0, 99)) for _ in range(r.randint(0, 5))) if r.random() < 0.7 else '')
    differences = []
    for reg, pool in (('a1', labels), ('a2', labels), ('a3', labels), ('a4', data_labels), ('a5', data_labels)):
        differences += ['    la t0, %s' % r.choice(pool), '    la t1, %s' % r.choice(pool), '    sub %s, t1, t0' % reg]
    with open('%s/align%04d.s' % (folder, n), 'w') as f:
        f.write('\n'.join(['    .text', 'main:', '    li a0, 0'] + differences + ['    j L0'] + code +
                          data) + '\n')
PY
bash "$here/against_qemu.sh" "$build" "$work"
