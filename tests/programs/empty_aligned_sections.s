# Sections that hold nothing but their alignment: the code one loses its
# padding, yet what follows starts at its aligned start, where its label is;
# the data ones move the sections after them as well
    .text
main:
    li a0, 0
    j b_end                 # lands on c: four additions
    .section .text.b,"ax",@progbits
    .p2align 4
b_end:
    .section .text.c,"ax",@progbits
c:
    addi a0, a0, 1
    addi a0, a0, 1
    addi a0, a0, 1
    addi a0, a0, 1
    la t0, x
    la t1, y
    sub a1, t1, t0          # 16: y follows the empty 16-byte-aligned section
    la t2, z
    sub a2, t2, t0          # 24
    la t3, b
    sub a3, t3, t0          # 16
    lw a4, 0(t1)            # 2
    lbu a5, 0(t2)           # 3
done: j done
    .data
x:  .word 1
    .section .data.b,"aw",@progbits
    .p2align 4
b:
    .section .data.c,"aw",@progbits
y:  .word 2
    .section .data.d,"aw",@progbits
    .p2align 3
z:  .byte 3
