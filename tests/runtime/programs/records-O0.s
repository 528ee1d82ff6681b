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
	.file	"records.c"
	.globl	main
	.p2align	2
	.type	main,@function
main:
	addi	sp, sp, -208
	sw	ra, 204(sp)
	sw	s0, 200(sp)
	addi	s0, sp, 208
	li	a1, 0
	sw	a1, -12(s0)
	addi	a0, s0, -76
	li	a2, 64
	call	memset@plt
	lui	a0, %hi(.L__const.main.weights)
	addi	a1, a0, %lo(.L__const.main.weights)
	addi	a0, s0, -124
	li	a2, 48
	call	memcpy@plt
	lui	a0, %hi(best)
	addi	a0, a0, %lo(best)
	lui	a1, %hi(class_list)
	addi	a1, a1, %lo(class_list)
	li	a2, 56
	call	memcpy@plt
	li	a0, 1
	sw	a0, -128(s0)
	j	.LBB0_1
.LBB0_1:
	lw	a1, -128(s0)
	li	a0, 3
	blt	a0, a1, .LBB0_6
	j	.LBB0_2
.LBB0_2:
	lw	a0, -128(s0)
	li	a1, 56
	mul	a1, a0, a1
	lui	a0, %hi(class_list)
	addi	a0, a0, %lo(class_list)
	add	a0, a0, a1
	call	total
	sw	a0, -196(s0)
	lui	a0, %hi(best)
	addi	a0, a0, %lo(best)
	call	total
	lw	a1, -196(s0)
	bge	a0, a1, .LBB0_4
	j	.LBB0_3
.LBB0_3:
	lw	a0, -128(s0)
	li	a2, 56
	mul	a1, a0, a2
	lui	a0, %hi(class_list)
	addi	a0, a0, %lo(class_list)
	add	a1, a0, a1
	lui	a0, %hi(best)
	addi	a0, a0, %lo(best)
	call	memcpy@plt
	j	.LBB0_4
.LBB0_4:
	j	.LBB0_5
.LBB0_5:
	lw	a0, -128(s0)
	addi	a0, a0, 1
	sw	a0, -128(s0)
	j	.LBB0_1
.LBB0_6:
	li	a0, 0
	sw	a0, -132(s0)
	j	.LBB0_7
.LBB0_7:
	lw	a1, -132(s0)
	li	a0, 11
	blt	a0, a1, .LBB0_10
	j	.LBB0_8
.LBB0_8:
	lw	a0, -132(s0)
	slli	a2, a0, 2
	addi	a0, s0, -124
	add	a0, a0, a2
	lw	a0, 0(a0)
	lui	a1, %hi(best)
	lw	a1, %lo(best)(a1)
	mul	a0, a0, a1
	addi	a1, s0, -76
	add	a1, a1, a2
	sw	a0, 0(a1)
	j	.LBB0_9
.LBB0_9:
	lw	a0, -132(s0)
	addi	a0, a0, 1
	sw	a0, -132(s0)
	j	.LBB0_7
.LBB0_10:
	addi	a0, s0, -192
	li	a1, 0
	li	a2, 56
	call	memset@plt
	lui	a0, %hi(best)
	addi	a0, a0, %lo(best)
	sw	a0, -200(s0)
	call	total
	lw	a1, -200(s0)
	li	a2, 10
	mul	a0, a0, a2
	lw	a2, -56(s0)
	add	a0, a0, a2
	lw	a2, -164(s0)
	add	a0, a0, a2
	lbu	a1, 4(a1)
	add	a0, a0, a1
	lw	ra, 204(sp)
	lw	s0, 200(sp)
	addi	sp, sp, 208
	ret
.Lfunc_end0:
	.size	main, .Lfunc_end0-main

	.p2align	2
	.type	total,@function
total:
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	addi	s0, sp, 32
	sw	a0, -12(s0)
	li	a0, 0
	sw	a0, -16(s0)
	sw	a0, -20(s0)
	j	.LBB1_1
.LBB1_1:
	lw	a1, -20(s0)
	li	a0, 9
	blt	a0, a1, .LBB1_4
	j	.LBB1_2
.LBB1_2:
	lw	a0, -12(s0)
	lw	a1, -20(s0)
	slli	a1, a1, 2
	add	a0, a0, a1
	lw	a1, 16(a0)
	lw	a0, -16(s0)
	add	a0, a0, a1
	sw	a0, -16(s0)
	j	.LBB1_3
.LBB1_3:
	lw	a0, -20(s0)
	addi	a0, a0, 1
	sw	a0, -20(s0)
	j	.LBB1_1
.LBB1_4:
	lw	a0, -16(s0)
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	addi	sp, sp, 32
	ret
.Lfunc_end1:
	.size	total, .Lfunc_end1-total

	.type	class_list,@object
	.data
	.globl	class_list
	.p2align	2
class_list:
	.word	1
	.asciz	"ada\000\000\000\000\000\000\000\000"
	.word	90
	.word	85
	.word	77
	.word	60
	.word	0
	.word	0
	.word	0
	.word	0
	.word	0
	.word	0
	.word	2
	.asciz	"brian\000\000\000\000\000\000"
	.word	50
	.word	65
	.zero	32
	.word	3
	.asciz	"grace\000\000\000\000\000\000"
	.word	99
	.word	98
	.word	97
	.word	0
	.word	0
	.word	0
	.word	0
	.word	0
	.word	0
	.word	0
	.word	4
	.asciz	"linus\000\000\000\000\000\000"
	.word	1
	.zero	36
	.size	class_list, 224

	.type	.L__const.main.weights,@object
	.section	.rodata,"a",@progbits
	.p2align	2
.L__const.main.weights:
	.word	3
	.word	1
	.word	4
	.word	1
	.word	5
	.word	9
	.word	2
	.word	6
	.word	5
	.word	3
	.word	5
	.word	8
	.size	.L__const.main.weights, 48

	.type	best,@object
	.bss
	.globl	best
	.p2align	2
best:
	.zero	56
	.size	best, 56

	.section	".note.GNU-stack","",@progbits
