# recursion with a stack in .bss, small data, common, numeric branches
    .section .text.init,"ax",@progbits
main:
    la sp, stack_top
    li a0, 10
    call fib
    mv s0, a0
    la t0, counter
    lw a1, 0(t0)
    la t0, sconst
    lw a2, 0(t0)
    la t0, buf
    li t1, 77
    sw t1, 32(t0)
    lw a3, 32(t0)
    li a4, 0
    beq x0, x0, 8
    addi a4, a4, 1
    addi a4, a4, 2
    li a5, 3
    addi a5, a5, -1
    bne a5, x0, -4
    mv a0, s0
    j done
done: j done
    .text
fib:
    li t0, 2
    blt a0, t0, 2f
    addi sp, sp, -16
    sw ra, 12(sp)
    sw s0, 8(sp)
    mv s0, a0
    addi a0, a0, -1
    call fib
    sw a0, 4(sp)
    addi a0, s0, -2
    call fib
    lw t0, 4(sp)
    add a0, a0, t0
    lw s0, 8(sp)
    lw ra, 12(sp)
    addi sp, sp, 16
2:  ret
    .section .sdata,"aw"
counter: .word 41
    .section .srodata,"a"
sconst: .word -9
    .comm buf, 64, 8
    .bss
stack: .space 1024
stack_top:
