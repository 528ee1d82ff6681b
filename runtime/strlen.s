	.text
	.globl	strlen
	.p2align	2
	.type	strlen,@function
strlen:
	li	a1, 0
.LBB0_1:
	add	a2, a0, a1
	lbu	a2, 0(a2)
	addi	a1, a1, 1
	bnez	a2, .LBB0_1
	addi	a0, a1, -1
	ret
.Lfunc_end0:
	.size	strlen, .Lfunc_end0-strlen

	.section	".note.GNU-stack","",@progbits
