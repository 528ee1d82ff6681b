	.text
	.globl	strcpy
	.p2align	2
	.type	strcpy,@function
strcpy:
	li	a2, 0
.LBB0_1:
	add	a3, a1, a2
	lbu	a3, 0(a3)
	add	a4, a0, a2
	sb	a3, 0(a4)
	addi	a2, a2, 1
	bnez	a3, .LBB0_1
	ret
.Lfunc_end0:
	.size	strcpy, .Lfunc_end0-strcpy

	.section	".note.GNU-stack","",@progbits
