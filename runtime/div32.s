	.text
	.globl	__udivsi3
	.p2align	2
	.type	__udivsi3,@function
__udivsi3:
	beqz	a1, .LBB0_2
	divu	a0, a0, a1
	ret
.LBB0_2:
	li	a0, -1
	ret
.Lfunc_end0:
	.size	__udivsi3, .Lfunc_end0-__udivsi3

	.globl	__umodsi3
	.p2align	2
	.type	__umodsi3,@function
__umodsi3:
	beqz	a1, .LBB1_2
	remu	a0, a0, a1
.LBB1_2:
	ret
.Lfunc_end1:
	.size	__umodsi3, .Lfunc_end1-__umodsi3

	.globl	__divsi3
	.p2align	2
	.type	__divsi3,@function
__divsi3:
	beqz	a1, .LBB2_3
	li	a2, -1
	bne	a1, a2, .LBB2_4
	neg	a0, a0
	ret
.LBB2_3:
	li	a0, -1
	ret
.LBB2_4:
	div	a0, a0, a1
	ret
.Lfunc_end2:
	.size	__divsi3, .Lfunc_end2-__divsi3

	.globl	__modsi3
	.p2align	2
	.type	__modsi3,@function
__modsi3:
	beqz	a1, .LBB3_4
	li	a2, -1
	bne	a1, a2, .LBB3_3
	li	a0, 0
	ret
.LBB3_3:
	rem	a0, a0, a1
.LBB3_4:
	ret
.Lfunc_end3:
	.size	__modsi3, .Lfunc_end3-__modsi3

	.section	".note.GNU-stack","",@progbits
