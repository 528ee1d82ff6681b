	.text
	.globl	__udivdi3
	.p2align	2
	.type	__udivdi3,@function
__udivdi3:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	mv	a4, sp
	call	divide
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end0:
	.size	__udivdi3, .Lfunc_end0-__udivdi3

	.p2align	2
	.type	divide,@function
divide:
	or	a5, a2, a3
	beqz	a5, .LBB1_5
	beq	a1, a3, .LBB1_6
	sltu	a5, a1, a3
	xori	a5, a5, 1
	beqz	a5, .LBB1_7
.LBB1_3:
	bnez	a1, .LBB1_10
	li	a5, 0
	divu	a3, a0, a2
	mul	a1, a3, a2
	sub	a0, a0, a1
	sw	zero, 4(a4)
	sw	a0, 0(a4)
	j	.LBB1_9
.LBB1_5:
	sw	a0, 0(a4)
	sw	a1, 4(a4)
	li	a3, -1
	li	a5, -1
	j	.LBB1_9
.LBB1_6:
	sltu	a5, a0, a2
	xori	a5, a5, 1
	bnez	a5, .LBB1_3
.LBB1_7:
	li	a3, 0
.LBB1_8:
	sw	a0, 0(a4)
	sw	a1, 4(a4)
.LBB1_9:
	mv	a0, a3
	mv	a1, a5
	ret
.LBB1_10:
	beqz	a3, .LBB1_13
	srli	a5, a3, 16
	seqz	a6, a5
	beqz	a5, .LBB1_15
	mv	a5, a3
	j	.LBB1_16
.LBB1_13:
	srli	a5, a2, 16
	seqz	a6, a5
	beqz	a5, .LBB1_23
	mv	a5, a2
	j	.LBB1_24
.LBB1_15:
	slli	a5, a3, 16
.LBB1_16:
	srli	a7, a5, 24
	slli	a6, a6, 4
	beqz	a7, .LBB1_21
	srli	a7, a5, 28
	beqz	a7, .LBB1_22
.LBB1_18:
	srli	a7, a5, 30
	bnez	a7, .LBB1_20
.LBB1_19:
	ori	a6, a6, 2
	slli	a5, a5, 2
.LBB1_20:
	not	a5, a5
	srli	a5, a5, 31
	add	a6, a6, a5
	j	.LBB1_29
.LBB1_21:
	ori	a6, a6, 8
	slli	a5, a5, 8
	srli	a7, a5, 28
	bnez	a7, .LBB1_18
.LBB1_22:
	ori	a6, a6, 4
	slli	a5, a5, 4
	srli	a7, a5, 30
	beqz	a7, .LBB1_19
	j	.LBB1_20
.LBB1_23:
	slli	a5, a2, 16
.LBB1_24:
	srli	a7, a5, 24
	slli	a6, a6, 4
	beqz	a7, .LBB1_49
	srli	a7, a5, 28
	beqz	a7, .LBB1_50
.LBB1_26:
	srli	a7, a5, 30
	bnez	a7, .LBB1_28
.LBB1_27:
	ori	a6, a6, 2
	slli	a5, a5, 2
.LBB1_28:
	not	a5, a5
	srli	a5, a5, 31
	add	a5, a6, a5
	addi	a6, a5, 32
.LBB1_29:
	srli	a5, a1, 16
	seqz	a7, a5
	beqz	a5, .LBB1_31
	mv	a5, a1
	j	.LBB1_32
.LBB1_31:
	slli	a5, a1, 16
.LBB1_32:
	srli	t0, a5, 24
	slli	t1, a7, 4
	beqz	t0, .LBB1_39
	srli	a7, a5, 28
	beqz	a7, .LBB1_40
.LBB1_34:
	srli	a7, a5, 30
	bnez	a7, .LBB1_36
.LBB1_35:
	ori	t1, t1, 2
	slli	a5, a5, 2
.LBB1_36:
	srai	t2, a5, 31
	not	a5, t2
	sub	a5, a5, t1
	add	a5, a5, a6
	bltz	a5, .LBB1_41
	addi	a7, a5, -32
	bltz	a7, .LBB1_42
	li	t0, 0
	sll	a7, a2, a7
	j	.LBB1_43
.LBB1_39:
	ori	t1, t1, 8
	slli	a5, a5, 8
	srli	a7, a5, 28
	bnez	a7, .LBB1_34
.LBB1_40:
	ori	t1, t1, 4
	slli	a5, a5, 4
	srli	a7, a5, 30
	beqz	a7, .LBB1_35
	j	.LBB1_36
.LBB1_41:
	li	a3, 0
	li	a5, 0
	j	.LBB1_8
.LBB1_42:
	xori	a7, a5, 31
	srli	t0, a2, 1
	srl	a7, t0, a7
	sll	a3, a3, a5
	or	a7, a3, a7
	sll	t0, a2, a5
.LBB1_43:
	li	a3, 0
	li	a5, 0
	add	a2, t1, t2
	sub	a2, a6, a2
	j	.LBB1_45
.LBB1_44:
	srli	t1, a3, 31
	slli	a5, a5, 1
	or	a5, a5, t1
	slli	a3, a3, 1
	or	a3, a3, a6
	srli	a6, t0, 1
	slli	t0, a7, 31
	or	t0, a6, t0
	addi	a2, a2, -1
	srli	a7, a7, 1
	beqz	a2, .LBB1_8
.LBB1_45:
	sltu	t1, a0, t0
	beq	a1, a7, .LBB1_47
	sltu	t2, a1, a7
	xori	a6, t2, 1
	bnez	t2, .LBB1_44
	j	.LBB1_48
.LBB1_47:
	xori	a6, t1, 1
	mv	t2, t1
	bnez	t2, .LBB1_44
.LBB1_48:
	sub	a1, a1, a7
	sub	a1, a1, t1
	sub	a0, a0, t0
	j	.LBB1_44
.LBB1_49:
	ori	a6, a6, 8
	slli	a5, a5, 8
	srli	a7, a5, 28
	bnez	a7, .LBB1_26
.LBB1_50:
	ori	a6, a6, 4
	slli	a5, a5, 4
	srli	a7, a5, 30
	beqz	a7, .LBB1_27
	j	.LBB1_28
.Lfunc_end1:
	.size	divide, .Lfunc_end1-divide

	.globl	__umoddi3
	.p2align	2
	.type	__umoddi3,@function
__umoddi3:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	mv	a4, sp
	call	divide
	lw	a1, 4(sp)
	lw	a0, 0(sp)
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end2:
	.size	__umoddi3, .Lfunc_end2-__umoddi3

	.globl	__divdi3
	.p2align	2
	.type	__divdi3,@function
__divdi3:
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	sw	s1, 20(sp)
	mv	s0, a3
	or	a3, a2, a3
	beqz	a3, .LBB3_4
	mv	s1, a1
	mv	a1, a0
	bltz	s1, .LBB3_5
	mv	a0, a1
	mv	a1, s1
	bgez	s0, .LBB3_6
.LBB3_3:
	neg	a5, a2
	snez	a2, a2
	add	a2, s0, a2
	neg	a3, a2
	j	.LBB3_7
.LBB3_4:
	li	a0, -1
	li	a1, -1
	j	.LBB3_9
.LBB3_5:
	neg	a0, a1
	snez	a1, a1
	add	a1, s1, a1
	neg	a1, a1
	bltz	s0, .LBB3_3
.LBB3_6:
	mv	a5, a2
	mv	a3, s0
.LBB3_7:
	addi	a4, sp, 8
	mv	a2, a5
	call	divide
	srli	a2, s1, 31
	srli	a3, s0, 31
	beq	a2, a3, .LBB3_9
	snez	a2, a0
	add	a1, a1, a2
	neg	a1, a1
	neg	a0, a0
.LBB3_9:
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	addi	sp, sp, 32
	ret
.Lfunc_end3:
	.size	__divdi3, .Lfunc_end3-__divdi3

	.globl	__moddi3
	.p2align	2
	.type	__moddi3,@function
__moddi3:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	sw	s0, 8(sp)
	mv	s0, a1
	bltz	a1, .LBB4_2
	mv	a1, s0
	bltz	a3, .LBB4_3
	j	.LBB4_4
.LBB4_2:
	snez	a1, a0
	neg	a0, a0
	add	a1, s0, a1
	neg	a1, a1
	bgez	a3, .LBB4_4
.LBB4_3:
	snez	a4, a2
	neg	a2, a2
	add	a3, a3, a4
	neg	a3, a3
.LBB4_4:
	mv	a4, sp
	call	divide
	lw	a1, 4(sp)
	lw	a0, 0(sp)
	bgez	s0, .LBB4_6
	snez	a2, a0
	add	a1, a1, a2
	neg	a1, a1
	neg	a0, a0
.LBB4_6:
	lw	ra, 12(sp)
	lw	s0, 8(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end4:
	.size	__moddi3, .Lfunc_end4-__moddi3

	.section	".note.GNU-stack","",@progbits
