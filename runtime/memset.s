	.text
	.globl	memset
	.p2align	2
	.type	memset,@function
memset:
	seqz	a3, a2
	andi	a4, a0, 3
	seqz	a4, a4
	or	a3, a3, a4
	bnez	a3, .LBB0_4
	addi	a4, a0, 1
	mv	a5, a0
.LBB0_2:
	addi	a3, a5, 1
	sb	a1, 0(a5)
	addi	a2, a2, -1
	snez	a5, a2
	andi	a6, a4, 3
	snez	a6, a6
	and	a6, a5, a6
	addi	a4, a4, 1
	mv	a5, a3
	bnez	a6, .LBB0_2
	li	a4, 4
	bgeu	a2, a4, .LBB0_5
	j	.LBB0_7
.LBB0_4:
	mv	a3, a0
	li	a4, 4
	bltu	a2, a4, .LBB0_7
.LBB0_5:
	andi	a4, a1, 255
	lui	a5, 4112
	addi	a5, a5, 257
	mul	a4, a4, a5
	li	a5, 3
.LBB0_6:
	sw	a4, 0(a3)
	addi	a2, a2, -4
	addi	a3, a3, 4
	bltu	a5, a2, .LBB0_6
.LBB0_7:
	beqz	a2, .LBB0_9
.LBB0_8:
	addi	a4, a3, 1
	addi	a2, a2, -1
	sb	a1, 0(a3)
	mv	a3, a4
	bnez	a2, .LBB0_8
.LBB0_9:
	ret
.Lfunc_end0:
	.size	memset, .Lfunc_end0-memset

	.section	".note.GNU-stack","",@progbits
