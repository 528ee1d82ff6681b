# .p2align/.balign in code before and after a loop, a call, la and jumps, label
# differences across the padding, and sltiu with negative immediates
    .text
main:
    li a0, 0
    li a5, 0
    li t0, 3
    .p2align 4
loop:                       # the loop's head on a 16-byte boundary
    addi a0, a0, 5
    addi t0, t0, -1
    bnez t0, loop
    call aligned_function
    la t1, block
    andi a1, t1, 255        # 0: block lies on a 256-byte boundary
    la t2, lengths
    lw a2, 0(t2)
    lw t3, 4(t2)
    slli a2, a2, 16
    add a2, a2, t3
    li t4, 0xfffffffd
    sltiu a3, t4, -2        # 1: 0xfffffffd is below 0xfffffffe
    sltiu t5, t4, -3        # 0
    slli a3, a3, 1
    or a3, a3, t5
    li t4, 0xfffff800
    sltiu t5, t4, -2048     # 0
    slli a3, a3, 1
    or a3, a3, t5
    sltiu t5, t4, -1        # 1
    slli a3, a3, 1
    or a3, a3, t5
    j block
    .p2align 8
block:
    addi a4, a0, 1
before:
    addi a5, a5, 1
    .balign 64
after:
    addi a5, a5, 2
    j done
    .p2align 3
aligned_function:
    addi a0, a0, 100
    ret
done: j done
    .data
lengths:
    .word after - before
    .word block - main
