	.text
	.globl	strncpy
	.p2align	2
	.type	strncpy,@function
strncpy:
	li	a3, 0
	beqz	a2, .LBB0_3
.LBB0_1:
	add	a4, a1, a3
	lbu	a4, 0(a4)
	beqz	a4, .LBB0_3
	add	a5, a0, a3
	addi	a3, a3, 1
	sb	a4, 0(a5)
	bne	a2, a3, .LBB0_1
	j	.LBB0_6
.LBB0_3:
	bgeu	a3, a2, .LBB0_6
	sub	a1, a2, a3
	add	a2, a0, a3
.LBB0_5:
	sb	zero, 0(a2)
	addi	a1, a1, -1
	addi	a2, a2, 1
	bnez	a1, .LBB0_5
.LBB0_6:
	ret
.Lfunc_end0:
	.size	strncpy, .Lfunc_end0-strncpy

	.section	".note.GNU-stack","",@progbits
