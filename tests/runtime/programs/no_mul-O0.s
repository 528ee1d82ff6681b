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
	.file	"no_mul.c"
	.globl	main
	.p2align	2
	.type	main,@function
main:
	addi	sp, sp, -80
	sw	ra, 76(sp)
	sw	s0, 72(sp)
	addi	s0, sp, 80
	li	a0, 0
	sw	a0, -12(s0)
	li	a1, 1
	sw	a1, -16(s0)
	li	a1, 7
	sw	a1, -20(s0)
	sw	a0, -24(s0)
	j	.LBB0_1
.LBB0_1:
	lw	a1, -24(s0)
	li	a0, 7
	blt	a0, a1, .LBB0_11
	j	.LBB0_2
.LBB0_2:
	li	a0, 0
	sw	a0, -28(s0)
	j	.LBB0_3
.LBB0_3:
	lw	a1, -28(s0)
	li	a0, 7
	blt	a0, a1, .LBB0_9
	j	.LBB0_4
.LBB0_4:
	lw	a0, -24(s0)
	slli	a1, a0, 2
	lui	a0, %hi(numbers)
	addi	a0, a0, %lo(numbers)
	add	a1, a0, a1
	lw	a1, 0(a1)
	sw	a1, -32(s0)
	lw	a1, -28(s0)
	slli	a1, a1, 2
	add	a0, a0, a1
	lw	a0, 0(a0)
	sw	a0, -36(s0)
	lw	a0, -36(s0)
	li	a1, -1
	bne	a0, a1, .LBB0_7
	j	.LBB0_5
.LBB0_5:
	lw	a0, -32(s0)
	lui	a1, 524288
	bne	a0, a1, .LBB0_7
	j	.LBB0_6
.LBB0_6:
	j	.LBB0_8
.LBB0_7:
	lw	a1, -16(s0)
	slli	a0, a1, 5
	sub	a0, a0, a1
	sw	a0, -68(s0)
	lw	a0, -32(s0)
	sw	a0, -60(s0)
	lw	a1, -36(s0)
	sw	a1, -64(s0)
	call	__divsi3@plt
	lw	a2, -68(s0)
	lw	a1, -64(s0)
	mv	a3, a0
	lw	a0, -60(s0)
	add	a2, a2, a3
	sw	a2, -56(s0)
	call	__modsi3@plt
	mv	a1, a0
	lw	a0, -56(s0)
	sub	a0, a0, a1
	sw	a0, -16(s0)
	lw	a1, -20(s0)
	slli	a0, a1, 4
	add	a0, a0, a1
	sw	a0, -52(s0)
	lw	a0, -32(s0)
	sw	a0, -44(s0)
	lw	a1, -36(s0)
	sw	a1, -48(s0)
	call	__udivsi3@plt
	lw	a2, -52(s0)
	lw	a1, -48(s0)
	mv	a3, a0
	lw	a0, -44(s0)
	add	a2, a2, a3
	sw	a2, -40(s0)
	call	__umodsi3@plt
	mv	a1, a0
	lw	a0, -40(s0)
	add	a0, a0, a1
	sw	a0, -20(s0)
	j	.LBB0_8
.LBB0_8:
	lw	a0, -28(s0)
	addi	a0, a0, 1
	sw	a0, -28(s0)
	j	.LBB0_3
.LBB0_9:
	j	.LBB0_10
.LBB0_10:
	lw	a0, -24(s0)
	addi	a0, a0, 1
	sw	a0, -24(s0)
	j	.LBB0_1
.LBB0_11:
	lw	a0, -16(s0)
	lw	a1, -20(s0)
	xor	a0, a0, a1
	lw	ra, 76(sp)
	lw	s0, 72(sp)
	addi	sp, sp, 80
	ret
.Lfunc_end0:
	.size	main, .Lfunc_end0-main

	.type	numbers,@object
	.data
	.globl	numbers
	.p2align	2
numbers:
	.word	17
	.word	4294967291
	.word	100000
	.word	2147483648
	.word	3
	.word	7
	.word	4294967295
	.word	65535
	.size	numbers, 32

	.section	".note.GNU-stack","",@progbits
