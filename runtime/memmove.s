	.text
	.globl	memmove
	.p2align	2
	.type	memmove,@function
memmove:
	bgeu	a0, a1, .LBB0_4
	beqz	a2, .LBB0_7
	mv	a3, a0
.LBB0_3:
	lb	a4, 0(a1)
	sb	a4, 0(a3)
	addi	a2, a2, -1
	addi	a3, a3, 1
	addi	a1, a1, 1
	bnez	a2, .LBB0_3
	j	.LBB0_7
.LBB0_4:
	beqz	a2, .LBB0_7
	addi	a1, a1, -1
	addi	a3, a0, -1
.LBB0_6:
	add	a4, a1, a2
	lb	a4, 0(a4)
	addi	a5, a2, -1
	add	a2, a3, a2
	sb	a4, 0(a2)
	mv	a2, a5
	bnez	a5, .LBB0_6
.LBB0_7:
	ret
.Lfunc_end0:
	.size	memmove, .Lfunc_end0-memmove

	.section	".note.GNU-stack","",@progbits
