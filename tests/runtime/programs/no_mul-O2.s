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
	addi	sp, sp, -48
	sw	ra, 44(sp)
	sw	s0, 40(sp)
	sw	s1, 36(sp)
	sw	s2, 32(sp)
	sw	s3, 28(sp)
	sw	s4, 24(sp)
	sw	s5, 20(sp)
	sw	s6, 16(sp)
	sw	s7, 12(sp)
	sw	s8, 8(sp)
	sw	s9, 4(sp)
	li	s2, 0
	li	s7, 7
	li	s8, 1
	lui	a0, %hi(numbers)
	addi	s3, a0, %lo(numbers)
	lui	s4, 524288
	li	s5, 32
	li	s6, 8
	j	.LBB0_2
.LBB0_1:
	addi	s2, s2, 1
	beq	s2, s6, .LBB0_6
.LBB0_2:
	slli	a0, s2, 2
	add	a0, s3, a0
	lw	s0, 0(a0)
	li	s9, 0
	j	.LBB0_4
.LBB0_3:
	addi	s9, s9, 4
	beq	s9, s5, .LBB0_1
.LBB0_4:
	add	a0, s3, s9
	lw	s1, 0(a0)
	xor	a0, s0, s4
	not	a1, s1
	or	a0, a1, a0
	beqz	a0, .LBB0_3
	slli	a0, s8, 5
	sub	s8, a0, s8
	mv	a0, s0
	mv	a1, s1
	call	__divsi3@plt
	add	s8, a0, s8
	mv	a1, s1
	call	__mulsi3@plt
	sub	a0, a0, s0
	add	s8, s8, a0
	slli	a0, s7, 4
	add	s7, a0, s7
	mv	a0, s0
	mv	a1, s1
	call	__udivsi3@plt
	add	s7, a0, s7
	mv	a1, s1
	call	__mulsi3@plt
	sub	a0, s0, a0
	add	s7, s7, a0
	j	.LBB0_3
.LBB0_6:
	xor	a0, s8, s7
	lw	ra, 44(sp)
	lw	s0, 40(sp)
	lw	s1, 36(sp)
	lw	s2, 32(sp)
	lw	s3, 28(sp)
	lw	s4, 24(sp)
	lw	s5, 20(sp)
	lw	s6, 16(sp)
	lw	s7, 12(sp)
	lw	s8, 8(sp)
	lw	s9, 4(sp)
	addi	sp, sp, 48
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
