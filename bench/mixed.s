# The benchmark program: loads and stores, arithmetic, a multiply and a divide,
# a call and a return, and a backward branch; 12 instructions a turn, and
# 1,000,001 instructions from main to done. bench/run.sh fills in EXIT.
    .text
    .globl _start
_start:
main:
    lui x5, %hi(buf)
    addi x5, x5, %lo(buf)
    li x6, 7
    li x13, 83333
loop:
    lw x7, 0(x5)
    add x7, x7, x6
    sw x7, 0(x5)
    mul x8, x7, x6
    div x9, x8, x6
    slli x10, x9, 3
    xor x11, x9, x10
    jal x1, f
    addi x13, x13, -1
    bnez x13, loop
done:
    EXIT
f:
    addi x12, x12, 1
    ret
    .data
buf: .word 0
