	.text
	.globl	strncmp
	.p2align	2
	.type	strncmp,@function
strncmp:
	beqz	a2, .LBB0_4
	addi	a2, a2, -1
.LBB0_2:
	lbu	a3, 0(a0)
	lbu	a4, 0(a1)
	bne	a3, a4, .LBB0_5
	seqz	a3, a3
	seqz	a4, a2
	or	a3, a3, a4
	addi	a2, a2, -1
	addi	a1, a1, 1
	addi	a0, a0, 1
	beqz	a3, .LBB0_2
.LBB0_4:
	li	a0, 0
	ret
.LBB0_5:
	sub	a0, a3, a4
	ret
.Lfunc_end0:
	.size	strncmp, .Lfunc_end0-strncmp

	.section	".note.GNU-stack","",@progbits
