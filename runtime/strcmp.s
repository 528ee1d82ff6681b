	.text
	.globl	strcmp
	.p2align	2
	.type	strcmp,@function
strcmp:
	lbu	a2, 0(a0)
	beqz	a2, .LBB0_4
	addi	a0, a0, 1
.LBB0_2:
	lbu	a3, 0(a1)
	andi	a4, a2, 255
	bne	a4, a3, .LBB0_4
	lbu	a2, 0(a0)
	addi	a1, a1, 1
	addi	a0, a0, 1
	bnez	a2, .LBB0_2
.LBB0_4:
	lbu	a0, 0(a1)
	andi	a1, a2, 255
	sub	a0, a1, a0
	ret
.Lfunc_end0:
	.size	strcmp, .Lfunc_end0-strcmp

	.section	".note.GNU-stack","",@progbits
