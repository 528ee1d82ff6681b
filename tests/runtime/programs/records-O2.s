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
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	sw	s1, 20(sp)
	sw	s2, 16(sp)
	sw	s3, 12(sp)
	sw	s4, 8(sp)
	lui	a0, %hi(best)
	addi	s0, a0, %lo(best)
	lui	a0, %hi(class_list)
	addi	s1, a0, %lo(class_list)
	li	a2, 56
	mv	a0, s0
	mv	a1, s1
	call	memcpy@plt
	lw	a0, 16(s0)
	lw	a1, 20(s0)
	lw	a2, 24(s0)
	lw	a3, 28(s0)
	lw	a4, 32(s0)
	lw	a5, 36(s0)
	lw	a6, 40(s0)
	lw	a7, 44(s0)
	lw	t0, 48(s0)
	lw	t1, 52(s0)
	li	s2, 0
	li	s3, 168
	j	.LBB0_2
.LBB0_1:
	addi	s2, s2, 56
	beq	s2, s3, .LBB0_4
.LBB0_2:
	add	t2, s1, s2
	lw	t3, 72(t2)
	lw	t4, 76(t2)
	add	t3, t4, t3
	lw	t4, 80(t2)
	lw	t5, 84(t2)
	lw	t6, 88(t2)
	lw	s4, 92(t2)
	add	t3, t3, t4
	add	t3, t3, t5
	add	t3, t3, t6
	add	t3, t3, s4
	lw	t4, 96(t2)
	lw	t5, 100(t2)
	lw	t6, 104(t2)
	lw	s4, 108(t2)
	add	t3, t3, t4
	add	t3, t3, t5
	add	t3, t3, t6
	add	t3, t3, s4
	add	t4, a1, a0
	add	t4, t4, a2
	add	t4, t4, a3
	add	t4, t4, a4
	add	t4, t4, a5
	add	t4, t4, a6
	add	t4, t4, a7
	add	t4, t4, t0
	add	t4, t4, t1
	bge	t4, t3, .LBB0_1
	addi	a1, t2, 56
	li	a2, 56
	mv	a0, s0
	call	memcpy@plt
	lw	a0, 16(s0)
	lw	a1, 20(s0)
	lw	a2, 24(s0)
	lw	a3, 28(s0)
	lw	a4, 32(s0)
	lw	a5, 36(s0)
	lw	a6, 40(s0)
	lw	a7, 44(s0)
	lw	t0, 48(s0)
	lw	t1, 52(s0)
	j	.LBB0_1
.LBB0_4:
	lui	t2, %hi(best)
	lw	t3, %lo(best)(t2)
	addi	t2, t2, %lo(best)
	slli	t4, t3, 3
	add	t3, t4, t3
	add	a0, a1, a0
	add	a0, a0, a2
	add	a0, a0, a3
	add	a0, a0, a4
	add	a0, a0, a5
	add	a0, a0, a6
	add	a0, a0, a7
	add	a0, a0, t0
	add	a0, a0, t1
	lbu	a1, 4(t2)
	li	a2, 10
	mul	a0, a0, a2
	add	a0, a0, t3
	add	a0, a0, a1
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	lw	s4, 8(sp)
	addi	sp, sp, 32
	ret
.Lfunc_end0:
	.size	main, .Lfunc_end0-main

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

	.type	best,@object
	.bss
	.globl	best
	.p2align	2
best:
	.zero	56
	.size	best, 56

	.section	".note.GNU-stack","",@progbits
