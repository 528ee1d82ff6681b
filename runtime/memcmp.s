	.text
	.globl	memcmp
	.p2align	2
	.type	memcmp,@function
memcmp:
	beqz	a2, .LBB0_3
.LBB0_1:
	lbu	a3, 0(a0)
	lbu	a4, 0(a1)
	bne	a3, a4, .LBB0_4
	addi	a2, a2, -1
	addi	a1, a1, 1
	addi	a0, a0, 1
	bnez	a2, .LBB0_1
.LBB0_3:
	li	a0, 0
	ret
.LBB0_4:
	sub	a0, a3, a4
	ret
.Lfunc_end0:
	.size	memcmp, .Lfunc_end0-memcmp

	.section	".note.GNU-stack","",@progbits
