# strings: length, reverse copy, M extension
    .text
main:
    la a0, msg
    li a1, 0
len: lbu t0, 0(a0)
    beqz t0, got
    addi a0, a0, 1
    addi a1, a1, 1
    j len
got:
    la t1, msg
    la t2, out
    add t3, t1, a1
rev: beq t3, t1, copied
    addi t3, t3, -1
    lbu t4, 0(t3)
    sb t4, 0(t2)
    addi t2, t2, 1
    j rev
copied:
    la t2, out
    lbu a2, 0(t2)
    li t0, -7
    li t1, 3
    div a3, t0, t1
    rem a4, t0, t1
    mulh a5, t0, t0
    mv a0, a1
    j done
done: j done
    .section .rodata.str,"aMS",@progbits,1
msg: .asciz "Hello, RISC-V"
    .section .bss.out,"aw",@nobits
out: .space 32
