	.text
	.globl	strchr
	.p2align	2
	.type	strchr,@function
strchr:
	lbu	a3, 0(a0)
	andi	a2, a1, 255
	bne	a3, a2, .LBB0_2
	ret
.LBB0_2:
	andi	a1, a3, 255
	beqz	a1, .LBB0_4
	lbu	a3, 1(a0)
	addi	a1, a0, 1
	mv	a0, a1
	bne	a3, a2, .LBB0_2
.LBB0_4:
	mv	a0, a1
	ret
.Lfunc_end0:
	.size	strchr, .Lfunc_end0-strchr

	.section	".note.GNU-stack","",@progbits
