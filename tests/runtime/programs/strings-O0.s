# Start-up for compiled C: a stack, a call of main, and an end to stop at.
    .text
    .globl _start
_start:
    la sp, stack_top     # the stack grows down from the end of its room
    call main            # main's result comes back in a0 (x10)
done:
    j done               # stop here with "break done"
    .data                # first in the data segment: an overflow leaves it
    .p2align 4           # the calling convention keeps sp a multiple of 16
stack:
    .space 4096
stack_top:
	.text
	.file	"strings.c"
	.globl	sign
	.p2align	2
	.type	sign,@function
sign:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	sw	s0, 8(sp)
	addi	s0, sp, 16
	sw	a0, -12(s0)
	lw	a0, -12(s0)
	li	a1, 0
	bge	a0, a1, .LBB0_2
	j	.LBB0_1
.LBB0_1:
	li	a0, -1
	sw	a0, -16(s0)
	j	.LBB0_3
.LBB0_2:
	lw	a1, -12(s0)
	li	a0, 0
	slt	a0, a0, a1
	sw	a0, -16(s0)
	j	.LBB0_3
.LBB0_3:
	lw	a0, -16(s0)
	lw	ra, 12(sp)
	lw	s0, 8(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end0:
	.size	sign, .Lfunc_end0-sign

	.globl	main
	.p2align	2
	.type	main,@function
main:
	addi	sp, sp, -96
	sw	ra, 92(sp)
	sw	s0, 88(sp)
	addi	s0, sp, 96
	li	a0, 0
	sw	a0, -28(s0)
	sw	a0, -12(s0)
	lui	a0, %hi(word)
	addi	a0, a0, %lo(word)
	sw	a0, -32(s0)
	lui	a1, %hi(.L.str)
	addi	a1, a1, %lo(.L.str)
	sw	a1, -52(s0)
	call	strcpy
	lw	a0, -32(s0)
	call	strlen
	mv	a1, a0
	lw	a0, -32(s0)
	sw	a1, -16(s0)
	lw	a1, -16(s0)
	li	a2, 10
	sw	a2, -40(s0)
	mul	a1, a1, a2
	sw	a1, -60(s0)
	lui	a1, %hi(.L.str.1)
	addi	a1, a1, %lo(.L.str.1)
	call	strcmp
	call	sign
	lw	a1, -40(s0)
	mv	a2, a0
	lw	a0, -60(s0)
	add	a0, a0, a2
	sw	a0, -16(s0)
	lw	a0, -16(s0)
	mul	a0, a0, a1
	sw	a0, -56(s0)
	li	a0, 1
	call	sign
	lw	a2, -56(s0)
	lw	a1, -52(s0)
	lw	a3, -40(s0)
	mv	a4, a0
	lw	a0, -32(s0)
	add	a2, a2, a4
	sw	a2, -16(s0)
	lw	a2, -16(s0)
	mul	a2, a2, a3
	sw	a2, -48(s0)
	call	strcmp
	lw	a1, -48(s0)
	lw	a2, -40(s0)
	mv	a3, a0
	lw	a0, -32(s0)
	seqz	a3, a3
	or	a1, a1, a3
	sw	a1, -16(s0)
	lw	a1, -16(s0)
	mul	a1, a1, a2
	sw	a1, -44(s0)
	lui	a1, %hi(.L.str.2)
	addi	a1, a1, %lo(.L.str.2)
	li	a2, 3
	call	strncmp
	lw	a1, -44(s0)
	lw	a2, -40(s0)
	mv	a3, a0
	lw	a0, -32(s0)
	seqz	a3, a3
	or	a1, a1, a3
	sw	a1, -16(s0)
	lw	a1, -16(s0)
	mul	a1, a1, a2
	sw	a1, -36(s0)
	li	a1, 45
	call	strchr
	lw	a1, -36(s0)
	mv	a2, a0
	lw	a0, -32(s0)
	sub	a2, a2, a0
	add	a1, a1, a2
	sw	a1, -16(s0)
	li	a1, 122
	call	strchr
	lw	a1, -28(s0)
	mv	a2, a0
	lw	a0, -32(s0)
	seqz	a3, a2
	lw	a2, -16(s0)
	add	a2, a2, a3
	sw	a2, -16(s0)
	call	strchr
	lw	a1, -32(s0)
	sub	a0, a0, a1
	lui	a1, 244
	addi	a1, a1, 576
	mul	a1, a0, a1
	lw	a0, -16(s0)
	add	a0, a0, a1
	sw	a0, -16(s0)
	lui	a0, %hi(padded)
	addi	a0, a0, %lo(padded)
	sw	a0, -24(s0)
	lui	a1, %hi(.L.str.3)
	addi	a1, a1, %lo(.L.str.3)
	li	a2, 5
	call	strncpy
	lw	a1, -28(s0)
	lw	a0, -24(s0)
	lbu	a0, 4(a0)
	mv	a2, a1
	sw	a2, -20(s0)
	bne	a0, a1, .LBB1_2
	j	.LBB1_1
.LBB1_1:
	lui	a0, %hi(padded)
	addi	a0, a0, %lo(padded)
	lbu	a0, 5(a0)
	addi	a0, a0, -120
	seqz	a0, a0
	sw	a0, -20(s0)
	j	.LBB1_2
.LBB1_2:
	lw	a0, -20(s0)
	andi	a0, a0, 1
	lw	a1, -16(s0)
	sw	a1, -72(s0)
	lui	a2, 4883
	addi	a2, a2, -768
	add	a2, a1, a2
	li	a1, 0
	sw	a1, -68(s0)
	sw	a2, -64(s0)
	bne	a0, a1, .LBB1_4
	lw	a0, -72(s0)
	sw	a0, -64(s0)
.LBB1_4:
	lw	a0, -64(s0)
	sw	a0, -16(s0)
	lui	a2, %hi(shifting)
	lb	a1, %lo(shifting)(a2)
	addi	a0, a2, %lo(shifting)
	sw	a0, -84(s0)
	lb	a3, 1(a0)
	lb	a4, 2(a0)
	lb	a5, 3(a0)
	lb	a6, 4(a0)
	lb	a7, 5(a0)
	lb	t0, 6(a0)
	lb	t1, 7(a0)
	sb	t1, 9(a0)
	sb	t0, 8(a0)
	sb	a7, 7(a0)
	sb	a6, 6(a0)
	sb	a5, 5(a0)
	sb	a4, 4(a0)
	sb	a3, 3(a0)
	sb	a1, 2(a0)
	lb	a1, 3(a0)
	lb	a3, 4(a0)
	lb	a4, 5(a0)
	lb	a5, 6(a0)
	lb	a6, 7(a0)
	sb	a6, 4(a0)
	sb	a5, 3(a0)
	sb	a4, 2(a0)
	sb	a3, 1(a0)
	sb	a1, %lo(shifting)(a2)
	lui	a1, %hi(.L.str.4)
	addi	a1, a1, %lo(.L.str.4)
	li	a2, 9
	call	memcmp
	call	sign
	lw	a1, -68(s0)
	lw	a2, -16(s0)
	sw	a2, -80(s0)
	lui	a3, 24414
	addi	a3, a3, 256
	add	a2, a2, a3
	sw	a2, -76(s0)
	beq	a0, a1, .LBB1_6
	lw	a0, -80(s0)
	sw	a0, -76(s0)
.LBB1_6:
	lw	a0, -76(s0)
	sw	a0, -16(s0)
	li	a0, 1
	call	sign
	mv	a1, a0
	lw	a0, -68(s0)
	lw	a2, -16(s0)
	sw	a2, -92(s0)
	lui	a3, 48828
	addi	a3, a3, 512
	add	a2, a2, a3
	sw	a2, -88(s0)
	blt	a0, a1, .LBB1_8
	lw	a0, -92(s0)
	sw	a0, -88(s0)
.LBB1_8:
	lw	a0, -88(s0)
	sw	a0, -16(s0)
	lw	a0, -16(s0)
	lw	ra, 92(sp)
	lw	s0, 88(sp)
	addi	sp, sp, 96
	ret
.Lfunc_end1:
	.size	main, .Lfunc_end1-main

	.type	padded,@object
	.section	.sdata,"aw",@progbits
	.globl	padded
padded:
	.asciz	"xxxxxxx"
	.size	padded, 8

	.type	shifting,@object
	.data
	.globl	shifting
shifting:
	.asciz	"abcdefghij\000\000\000\000\000"
	.size	shifting, 16

	.type	word,@object
	.bss
	.globl	word
word:
	.zero	32
	.size	word, 32

	.type	.L.str,@object
	.section	.rodata.str1.1,"aMS",@progbits,1
.L.str:
	.asciz	"risc-v"
	.size	.L.str, 7

	.type	.L.str.1,@object
.L.str.1:
	.asciz	"risc-w"
	.size	.L.str.1, 7

	.type	.L.str.2,@object
.L.str.2:
	.asciz	"risk"
	.size	.L.str.2, 5

	.type	.L.str.3,@object
.L.str.3:
	.asciz	"ab"
	.size	.L.str.3, 3

	.type	.L.str.4,@object
.L.str.4:
	.asciz	"bcdefdefg"
	.size	.L.str.4, 10

	.section	".note.GNU-stack","",@progbits
