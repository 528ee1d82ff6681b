	.text
	.globl	memcpy
	.p2align	2
	.type	memcpy,@function
memcpy:
	xor	a3, a1, a0
	andi	a3, a3, 3
	beqz	a3, .LBB0_2
	mv	a3, a0
	mv	a4, a1
	j	.LBB0_9
.LBB0_2:
	seqz	a3, a2
	andi	a4, a0, 3
	seqz	a4, a4
	or	a3, a3, a4
	bnez	a3, .LBB0_6
	addi	a5, a0, 1
	mv	a6, a0
.LBB0_4:
	lb	a7, 0(a1)
	addi	a4, a1, 1
	addi	a3, a6, 1
	sb	a7, 0(a6)
	addi	a2, a2, -1
	snez	a1, a2
	andi	a6, a5, 3
	snez	a6, a6
	and	a7, a1, a6
	addi	a5, a5, 1
	mv	a1, a4
	mv	a6, a3
	bnez	a7, .LBB0_4
	li	a1, 4
	bgeu	a2, a1, .LBB0_7
	j	.LBB0_9
.LBB0_6:
	mv	a3, a0
	mv	a4, a1
	li	a1, 4
	bltu	a2, a1, .LBB0_9
.LBB0_7:
	li	a1, 3
.LBB0_8:
	lw	a5, 0(a4)
	sw	a5, 0(a3)
	addi	a2, a2, -4
	addi	a3, a3, 4
	addi	a4, a4, 4
	bltu	a1, a2, .LBB0_8
.LBB0_9:
	beqz	a2, .LBB0_11
.LBB0_10:
	lb	a1, 0(a4)
	addi	a4, a4, 1
	addi	a5, a3, 1
	addi	a2, a2, -1
	sb	a1, 0(a3)
	mv	a3, a5
	bnez	a2, .LBB0_10
.LBB0_11:
	ret
.Lfunc_end0:
	.size	memcpy, .Lfunc_end0-memcpy

	.section	".note.GNU-stack","",@progbits
