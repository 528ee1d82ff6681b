	.text
	.globl	__ashldi3
	.p2align	2
	.type	__ashldi3,@function
__ashldi3:
	andi	a2, a2, 63
	beqz	a2, .LBB0_4
	li	a3, 32
	bltu	a2, a3, .LBB0_3
	addi	a1, a2, -32
	sll	a1, a0, a1
	li	a0, 0
	ret
.LBB0_3:
	sll	a1, a1, a2
	neg	a3, a2
	srl	a3, a0, a3
	or	a1, a3, a1
	sll	a0, a0, a2
.LBB0_4:
	ret
.Lfunc_end0:
	.size	__ashldi3, .Lfunc_end0-__ashldi3

	.globl	__lshrdi3
	.p2align	2
	.type	__lshrdi3,@function
__lshrdi3:
	andi	a2, a2, 63
	beqz	a2, .LBB1_4
	li	a3, 32
	bltu	a2, a3, .LBB1_3
	addi	a0, a2, -32
	srl	a0, a1, a0
	li	a1, 0
	ret
.LBB1_3:
	neg	a3, a2
	sll	a3, a1, a3
	srl	a1, a1, a2
	srl	a0, a0, a2
	or	a0, a3, a0
.LBB1_4:
	ret
.Lfunc_end1:
	.size	__lshrdi3, .Lfunc_end1-__lshrdi3

	.globl	__ashrdi3
	.p2align	2
	.type	__ashrdi3,@function
__ashrdi3:
	andi	a2, a2, 63
	beqz	a2, .LBB2_4
	li	a3, 32
	bltu	a2, a3, .LBB2_3
	srai	a3, a1, 31
	addi	a0, a2, -32
	sra	a0, a1, a0
	mv	a1, a3
	ret
.LBB2_3:
	neg	a3, a2
	sll	a3, a1, a3
	sra	a1, a1, a2
	srl	a0, a0, a2
	or	a0, a3, a0
.LBB2_4:
	ret
.Lfunc_end2:
	.size	__ashrdi3, .Lfunc_end2-__ashrdi3

	.section	".note.GNU-stack","",@progbits
