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
	bgez	a0, .LBB0_2
	li	a0, -1
	ret
.LBB0_2:
	sgtz	a0, a0
	ret
.Lfunc_end0:
	.size	sign, .Lfunc_end0-sign

	.globl	main
	.p2align	2
	.type	main,@function
main:
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	sw	s1, 20(sp)
	sw	s2, 16(sp)
	sw	s3, 12(sp)
	sw	s4, 8(sp)
	sw	s5, 4(sp)
	lui	a0, %hi(word)
	li	a1, 114
	sb	a1, %lo(word)(a0)
	addi	s0, a0, %lo(word)
	sb	zero, 6(s0)
	li	a0, 118
	sb	a0, 5(s0)
	li	a0, 45
	sb	a0, 4(s0)
	li	a0, 99
	sb	a0, 3(s0)
	li	a0, 115
	sb	a0, 2(s0)
	li	a0, 105
	sb	a0, 1(s0)
	lui	a0, %hi(.L.str)
	addi	s1, a0, %lo(.L.str)
	mv	a0, s0
	call	strlen
	li	s2, 10
	mul	s3, a0, s2
	lui	a0, %hi(.L.str.1)
	addi	a1, a0, %lo(.L.str.1)
	mv	a0, s0
	call	strcmp
	bgez	a0, .LBB1_2
	li	a0, -1
	j	.LBB1_3
.LBB1_2:
	sgtz	a0, a0
.LBB1_3:
	add	a0, a0, s3
	mul	a0, a0, s2
	ori	a0, a0, 1
	mul	s3, a0, s2
	li	a2, 7
	mv	a0, s0
	mv	a1, s1
	call	memcmp
	seqz	a0, a0
	or	a0, s3, a0
	mul	s1, a0, s2
	lui	a0, %hi(.L.str.2)
	addi	a1, a0, %lo(.L.str.2)
	li	a2, 3
	mv	a0, s0
	call	memcmp
	seqz	a0, a0
	or	a0, s1, a0
	mul	s2, a0, s2
	li	a1, 45
	mv	a0, s0
	call	strchr
	mv	s1, a0
	li	a1, 122
	mv	a0, s0
	call	strchr
	seqz	s3, a0
	mv	a0, s0
	call	strlen
	lui	a1, 244
	addi	a1, a1, 576
	mul	s4, a0, a1
	lui	a1, %hi(padded)
	li	a0, 97
	lui	a2, %hi(shifting)
	lw	a3, %lo(shifting)(a2)
	lw	a4, %lo(shifting+4)(a2)
	sb	a0, %lo(padded)(a1)
	addi	a0, a2, %lo(shifting)
	sh	a3, %lo(shifting+2)(a2)
	sh	a4, %lo(shifting+6)(a2)
	srli	a3, a3, 16
	sh	a3, %lo(shifting+4)(a2)
	srli	a3, a4, 16
	sh	a3, 8(a0)
	lb	a3, %lo(shifting+6)(a2)
	lb	a4, %lo(shifting+3)(a2)
	addi	a1, a1, %lo(padded)
	li	a5, 98
	sb	a3, %lo(shifting+3)(a2)
	sb	a4, %lo(shifting)(a2)
	lb	a3, %lo(shifting+7)(a2)
	sb	a5, 1(a1)
	sb	zero, 2(a1)
	lb	a4, %lo(shifting+4)(a2)
	sb	a3, %lo(shifting+4)(a2)
	lb	a3, %lo(shifting+5)(a2)
	sb	zero, 3(a1)
	lbu	s5, 5(a1)
	sb	zero, 4(a1)
	sb	a3, %lo(shifting+2)(a2)
	sb	a4, %lo(shifting+1)(a2)
	lui	a1, %hi(.L.str.4)
	addi	a1, a1, %lo(.L.str.4)
	li	a2, 9
	call	memcmp
	sub	a1, s1, s0
	add	a1, a1, s3
	add	a1, a1, s4
	li	a2, 120
	add	a1, a1, s2
	beq	s5, a2, .LBB1_5
	lui	a2, 48828
	addi	a2, a2, 512
	add	a1, a1, a2
	beqz	a0, .LBB1_6
	j	.LBB1_7
.LBB1_5:
	lui	a2, 53711
	addi	a2, a2, -256
	add	a1, a1, a2
	bnez	a0, .LBB1_7
.LBB1_6:
	lui	a0, 24414
	addi	a0, a0, 256
	add	a1, a1, a0
.LBB1_7:
	mv	a0, a1
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	lw	s4, 8(sp)
	lw	s5, 4(sp)
	addi	sp, sp, 32
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
	.p2align	3
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

	.type	.L.str.4,@object
.L.str.4:
	.asciz	"bcdefdefg"
	.size	.L.str.4, 10

	.type	.Lstr,@object
	.section	.rodata,"a",@progbits
.Lstr:
	.asciz	"ab\000\000\000"
	.size	.Lstr, 6

	.section	".note.GNU-stack","",@progbits
