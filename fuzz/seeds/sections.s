# Every kind of section a program may put its code and data in.
    .section .text.init, "ax", @progbits
    .globl _start
_start:
    call main
halt:
    j halt

    .text
main:
    la x10, table
    lw x11, 0(x10)
    lui x12, %hi(small)
    lw x12, %lo(small)(x12)
    la x13, zeros
    sw x11, 0(x13)
    la x14, small_zeros
    sw x12, 0(x14)
    la x15, common_buf
    sb x11, 3(x15)
    la x16, greeting
    lbu x17, 0(x16)
    la x18, limits
    lh x19, 2(x18)
    ret

    .data
table:      .word 1, 2, 3, 4
    .rodata
greeting:   .asciz "hello"
    .section .sdata, "aw", @progbits
small:      .word 42
    .section .srodata, "a", @progbits
limits:     .half 10, 20
    .bss
zeros:      .zero 64
    .section .sbss, "aw", @nobits
small_zeros: .zero 8
    .section .data.counts, "aw", @progbits
counts:     .word 7, 8
    .section .rodata.names, "a", @progbits
names:      .ascii "ab"
    .section .rodata.str1.1, "aMS", @progbits, 1
merged:     .asciz "merged"
    .comm common_buf, 32, 4
    .lcomm local_buf, 16
