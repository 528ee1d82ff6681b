# calls across sections, tail calls, a call table in .rodata.*, .equ constants
    .equ COUNT, 5
    .equ STEP, 3
    .section .text.init,"ax",@progbits
main:
    li s0, 0
    li s1, COUNT
loop:
    mv a0, s0
    call work
    mv s0, a0
    addi s1, s1, -1
    bnez s1, loop
    la t0, ops
    lw t1, 0(t0)
    li a0, 6
    jalr ra, 0(t1)
    mv a1, a0
    lw t1, 4(t0)
    li a0, 6
    jalr ra, 0(t1)
    mv a2, a0
    la t0, sizes
    lw a3, 0(t0)
    lbu a4, 4(t0)
    mv a0, s0
    li a5, STEP*COUNT
    j done
done: j done
    .text
work:
    addi a0, a0, STEP
    tail twice
twice:
    slli a0, a0, 1
    ret
square: mul a0, a0, a0
    ret
negate: neg a0, a0
    ret
    .section .rodata.ops,"a"
ops: .word square, negate
    .section .data.sizes,"aw"
sizes: .word twice - work, 0
    .byte square - work
