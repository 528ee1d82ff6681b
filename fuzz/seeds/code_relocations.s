# Every way code names a label: pc-relative pairs, absolute pairs, calls and
# tail calls, branches and jumps, loads and stores of each width.
    .text
main:
    la x10, words
    lui x11, %hi(words)
    addi x11, x11, %lo(words)
    lw x12, %lo(words)(x11)
    sw x12, %lo(out)(x11)
    sh x12, %lo(out)(x11)
    sb x12, %lo(out)(x11)
.Lhi:
    auipc x13, %pcrel_hi(out)
    sw x12, %pcrel_lo(.Lhi)(x13)
    lw x14, %pcrel_lo(.Lhi)(x13)
    call leaf
    call leaf@plt
    jal x1, leaf
    beq x12, x0, main
    bne x12, x0, forward
    blt x12, x13, forward
    bge x12, x13, forward
    bltu x12, x13, forward
    bgeu x12, x13, forward
forward:
    tail leaf
leaf:
    mul x15, x12, x12
    divu x16, x15, x12
    jalr x0, 0(x1)

    .data
words:  .word 3, 1, 4
out:    .word 0
