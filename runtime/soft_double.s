	.text
	.globl	__adddf3
	.p2align	2
	.type	__adddf3,@function
__adddf3:
	tail	sum
.Lfunc_end0:
	.size	__adddf3, .Lfunc_end0-__adddf3

	.p2align	2
	.type	sum,@function
sum:
	addi	sp, sp, -64
	sw	ra, 60(sp)
	sw	s0, 56(sp)
	sw	s1, 52(sp)
	sw	s2, 48(sp)
	sw	s3, 44(sp)
	sw	s4, 40(sp)
	sw	s5, 36(sp)
	mv	s0, a1
	slli	a1, a1, 1
	srli	a4, a1, 1
	lui	a1, 524032
	mv	s1, a0
	beq	a4, a1, .LBB1_3
	sltu	a5, a1, a4
	lui	a1, 524160
	beqz	a5, .LBB1_4
.LBB1_2:
	li	a0, 0
	j	.LBB1_13
.LBB1_3:
	snez	a5, s1
	lui	a1, 524160
	bnez	a5, .LBB1_2
.LBB1_4:
	lui	a0, 524288
	li	s4, -1
	addi	s5, a0, -1
	and	a5, a3, s5
	lui	a0, 524032
	and	a6, a2, s4
	beq	a5, a0, .LBB1_6
	sltu	a7, a0, a5
	li	a0, 0
	beqz	a7, .LBB1_7
	j	.LBB1_13
.LBB1_6:
	snez	a7, a6
	li	a0, 0
	bnez	a7, .LBB1_13
.LBB1_7:
	lui	a0, 524032
	xor	a1, a4, a0
	or	a1, s1, a1
	bnez	a1, .LBB1_11
	xor	a0, a5, a0
	or	a0, a6, a0
	snez	a0, a0
	xor	a1, s1, a2
	xor	a2, s0, a3
	or	a1, a1, a2
	seqz	a1, a1
	or	a0, a1, a0
	bnez	a0, .LBB1_10
	li	s1, 0
	lui	s0, 524160
.LBB1_10:
	mv	a0, s1
	mv	a1, s0
	j	.LBB1_13
.LBB1_11:
	xor	a0, a5, a0
	or	a0, a6, a0
	bnez	a0, .LBB1_14
.LBB1_12:
	mv	a0, a2
	mv	a1, a3
.LBB1_13:
	lw	ra, 60(sp)
	lw	s0, 56(sp)
	lw	s1, 52(sp)
	lw	s2, 48(sp)
	lw	s3, 44(sp)
	lw	s4, 40(sp)
	lw	s5, 36(sp)
	addi	sp, sp, 64
	ret
.LBB1_14:
	or	a0, s1, a4
	beqz	a0, .LBB1_18
	or	a0, a6, a5
	beqz	a0, .LBB1_10
	beq	a4, a5, .LBB1_20
	sltu	a0, a4, a5
	j	.LBB1_21
.LBB1_18:
	or	a0, a6, a5
	bnez	a0, .LBB1_12
	and	a3, a3, s0
	and	a2, a2, s1
	j	.LBB1_12
.LBB1_20:
	sltu	a0, s1, a6
.LBB1_21:
	bnez	a0, .LBB1_23
	mv	s2, a3
	mv	s3, a2
	j	.LBB1_24
.LBB1_23:
	mv	s2, s0
	mv	s3, s1
	mv	s0, a3
	mv	s1, a2
.LBB1_24:
	addi	a0, sp, 16
	mv	a1, s1
	mv	a2, s0
	call	unpack
	mv	a0, sp
	mv	a1, s3
	mv	a2, s2
	call	unpack
	lw	a0, 16(sp)
	lw	a2, 20(sp)
	srli	a1, a0, 23
	slli	a3, a2, 9
	lw	a4, 0(sp)
	lw	a6, 4(sp)
	lw	a2, 24(sp)
	lw	a5, 8(sp)
	srli	a7, a4, 23
	slli	a6, a6, 9
	or	a6, a6, a7
	slli	a4, a4, 9
	bne	a2, a5, .LBB1_26
	mv	a5, a6
	j	.LBB1_37
.LBB1_26:
	sub	t0, a2, a5
	li	a5, 64
	blt	t0, a5, .LBB1_28
	li	a5, 0
	or	a4, a4, a6
	snez	a4, a4
	j	.LBB1_37
.LBB1_28:
	addi	a7, t0, -32
	bltz	a7, .LBB1_30
	li	a5, 0
	srl	a7, a6, a7
	j	.LBB1_31
.LBB1_30:
	srl	a5, a4, t0
	xori	a7, t0, 31
	slli	t1, a6, 1
	sll	a7, t1, a7
	or	a7, a5, a7
	srl	a5, a6, t0
.LBB1_31:
	neg	t3, t0
	li	t1, 32
	sub	t2, t1, t0
	sll	t1, a4, t3
	bltz	t2, .LBB1_33
	mv	a4, t1
	j	.LBB1_34
.LBB1_33:
	li	t4, 64
	sub	t0, t4, t0
	sll	a6, a6, t3
	xori	t0, t0, 31
	srli	a4, a4, 1
	srl	a4, a4, t0
	or	a4, a6, a4
.LBB1_34:
	bgez	t2, .LBB1_36
	or	a4, a4, t1
.LBB1_36:
	snez	a4, a4
	or	a4, a7, a4
.LBB1_37:
	or	a1, a3, a1
	xor	a3, s0, s2
	slli	a0, a0, 9
	bgez	a3, .LBB1_39
	snez	a3, a4
	neg	a4, a4
	add	a3, a5, a3
	neg	a5, a3
.LBB1_39:
	add	a3, a4, a0
	sltu	a0, a3, a4
	add	a1, a5, a1
	add	a4, a1, a0
	or	a0, a3, a4
	beqz	a0, .LBB1_41
	addi	a0, s4, 1
	sltu	a1, a0, s4
	add	a1, s5, a1
	and	a0, s1, a0
	and	a1, s0, a1
	addi	a2, a2, 1
	call	round_pack
	j	.LBB1_13
.LBB1_41:
	li	a1, 0
	j	.LBB1_13
.Lfunc_end1:
	.size	sum, .Lfunc_end1-sum

	.globl	__subdf3
	.p2align	2
	.type	__subdf3,@function
__subdf3:
	lui	a4, 524288
	xor	a3, a3, a4
	tail	sum
.Lfunc_end2:
	.size	__subdf3, .Lfunc_end2-__subdf3

	.globl	__negdf2
	.p2align	2
	.type	__negdf2,@function
__negdf2:
	lui	a2, 524288
	xor	a1, a1, a2
	ret
.Lfunc_end3:
	.size	__negdf2, .Lfunc_end3-__negdf2

	.globl	__muldf3
	.p2align	2
	.type	__muldf3,@function
__muldf3:
	addi	sp, sp, -48
	sw	ra, 44(sp)
	sw	s0, 40(sp)
	sw	s1, 36(sp)
	sw	s2, 32(sp)
	mv	a4, a1
	lui	a1, 524288
	addi	a6, a1, -1
	and	a5, a4, a6
	lui	a7, 524032
	mv	s1, a3
	mv	s2, a2
	mv	a1, a0
	beq	a5, a7, .LBB4_2
	sltu	a0, a7, a5
	lui	s0, 524160
	beqz	a0, .LBB4_3
	j	.LBB4_11
.LBB4_2:
	snez	a0, a1
	lui	s0, 524160
	bnez	a0, .LBB4_11
.LBB4_3:
	li	a3, -1
	and	a2, s1, a6
	lui	a0, 524032
	and	a3, s2, a3
	beq	a2, a0, .LBB4_5
	sltu	a7, a0, a2
	li	a0, 0
	beqz	a7, .LBB4_6
	j	.LBB4_12
.LBB4_5:
	snez	a7, a3
	li	a0, 0
	bnez	a7, .LBB4_12
.LBB4_6:
	li	a0, 1
	xor	a7, s1, a4
	add	a0, a0, a6
	and	s0, a7, a0
	lui	a0, 524032
	xor	a6, a5, a0
	or	a6, a1, a6
	snez	a6, a6
	xor	a7, a2, a0
	or	a7, a3, a7
	snez	a7, a7
	or	a5, a1, a5
	seqz	a5, a5
	or	a2, a3, a2
	seqz	a2, a2
	and	a3, a6, a7
	or	a2, a5, a2
	bnez	a3, .LBB4_10
	lui	a1, 524160
	bnez	a2, .LBB4_9
	or	a1, s0, a0
.LBB4_9:
	li	a0, 0
	mv	s0, a1
	j	.LBB4_12
.LBB4_10:
	beqz	a2, .LBB4_13
.LBB4_11:
	li	a0, 0
.LBB4_12:
	mv	a1, s0
	lw	ra, 44(sp)
	lw	s0, 40(sp)
	lw	s1, 36(sp)
	lw	s2, 32(sp)
	addi	sp, sp, 48
	ret
.LBB4_13:
	addi	a0, sp, 16
	mv	a2, a4
	call	unpack
	mv	a0, sp
	mv	a1, s2
	mv	a2, s1
	call	unpack
	lw	a0, 24(sp)
	lw	a1, 8(sp)
	add	a0, a0, a1
	lw	a1, 16(sp)
	lw	a3, 0(sp)
	addi	a2, a0, -1023
	lw	a0, 20(sp)
	lw	a4, 4(sp)
	mul	a5, a3, a1
	mulhu	a6, a3, a1
	mul	a7, a3, a0
	mulhu	a3, a3, a0
	mul	t0, a4, a1
	mulhu	a1, a4, a1
	add	a1, a3, a1
	add	a3, a7, t0
	sltu	a7, a3, a7
	add	a1, a1, a7
	add	a6, a3, a6
	sltu	a3, a6, a3
	add	a1, a1, a3
	mulhu	a3, a4, a0
	mul	a0, a4, a0
	add	a0, a1, a0
	sltu	a1, a0, a1
	add	a1, a3, a1
	slli	a1, a1, 22
	srli	a3, a0, 10
	or	a4, a1, a3
	slli	a0, a0, 22
	srli	a1, a6, 10
	or	a0, a0, a1
	andi	a1, a6, 1023
	or	a1, a5, a1
	snez	a1, a1
	or	a3, a0, a1
	li	a0, 0
	mv	a1, s0
	lw	ra, 44(sp)
	lw	s0, 40(sp)
	lw	s1, 36(sp)
	lw	s2, 32(sp)
	addi	sp, sp, 48
	tail	round_pack
.Lfunc_end4:
	.size	__muldf3, .Lfunc_end4-__muldf3

	.p2align	2
	.type	unpack,@function
unpack:
	slli	a3, a2, 12
	srli	a3, a3, 12
	slli	a2, a2, 1
	srli	a2, a2, 21
	sw	a2, 8(a0)
	beqz	a2, .LBB5_2
	li	a2, -1
	lui	a4, 256
	addi	a4, a4, -1
	addi	a5, a2, 1
	sltu	a2, a5, a2
	add	a2, a4, a2
	or	a2, a3, a2
	or	a1, a1, a5
	sw	a1, 0(a0)
	sw	a2, 4(a0)
	ret
.LBB5_2:
	beqz	a3, .LBB5_5
	srli	a2, a3, 16
	seqz	a4, a2
	beqz	a2, .LBB5_7
	mv	a2, a3
	j	.LBB5_8
.LBB5_5:
	srli	a2, a1, 16
	seqz	a4, a2
	beqz	a2, .LBB5_16
	mv	a2, a1
	j	.LBB5_17
.LBB5_7:
	slli	a2, a3, 16
.LBB5_8:
	srli	a5, a2, 24
	slli	a4, a4, 4
	beqz	a5, .LBB5_14
	srli	a5, a2, 28
	beqz	a5, .LBB5_15
.LBB5_10:
	srli	a5, a2, 30
	bnez	a5, .LBB5_12
.LBB5_11:
	ori	a4, a4, 2
	slli	a2, a2, 2
.LBB5_12:
	not	a2, a2
	srli	a2, a2, 31
	add	a2, a4, a2
	addi	a5, a2, -43
	bltz	a5, .LBB5_22
.LBB5_13:
	li	a4, 0
	sll	a3, a1, a5
	j	.LBB5_23
.LBB5_14:
	ori	a4, a4, 8
	slli	a2, a2, 8
	srli	a5, a2, 28
	bnez	a5, .LBB5_10
.LBB5_15:
	ori	a4, a4, 4
	slli	a2, a2, 4
	srli	a5, a2, 30
	beqz	a5, .LBB5_11
	j	.LBB5_12
.LBB5_16:
	slli	a2, a1, 16
.LBB5_17:
	srli	a5, a2, 24
	slli	a4, a4, 4
	beqz	a5, .LBB5_24
	srli	a5, a2, 28
	beqz	a5, .LBB5_25
.LBB5_19:
	srli	a5, a2, 30
	bnez	a5, .LBB5_21
.LBB5_20:
	ori	a4, a4, 2
	slli	a2, a2, 2
.LBB5_21:
	not	a2, a2
	srli	a2, a2, 31
	add	a2, a4, a2
	addi	a2, a2, 32
	addi	a5, a2, -43
	bgez	a5, .LBB5_13
.LBB5_22:
	addi	a4, a2, -11
	sll	a3, a3, a4
	srli	a5, a1, 1
	xori	a6, a4, 31
	srl	a5, a5, a6
	or	a3, a3, a5
	sll	a4, a1, a4
.LBB5_23:
	sw	a4, 0(a0)
	sw	a3, 4(a0)
	li	a1, 12
	sub	a1, a1, a2
	sw	a1, 8(a0)
	ret
.LBB5_24:
	ori	a4, a4, 8
	slli	a2, a2, 8
	srli	a5, a2, 28
	bnez	a5, .LBB5_19
.LBB5_25:
	ori	a4, a4, 4
	slli	a2, a2, 4
	srli	a5, a2, 30
	beqz	a5, .LBB5_20
	j	.LBB5_21
.Lfunc_end5:
	.size	unpack, .Lfunc_end5-unpack

	.p2align	2
	.type	round_pack,@function
round_pack:
	beqz	a4, .LBB6_3
	srli	a5, a4, 16
	seqz	a6, a5
	beqz	a5, .LBB6_5
	mv	a5, a4
	j	.LBB6_6
.LBB6_3:
	srli	a5, a3, 16
	seqz	a6, a5
	beqz	a5, .LBB6_16
	mv	a5, a3
	j	.LBB6_17
.LBB6_5:
	slli	a5, a4, 16
.LBB6_6:
	srli	a7, a5, 24
	slli	a6, a6, 4
	beqz	a7, .LBB6_14
	srli	a7, a5, 28
	beqz	a7, .LBB6_15
.LBB6_8:
	srli	a7, a5, 30
	bnez	a7, .LBB6_10
.LBB6_9:
	ori	a6, a6, 2
	slli	a5, a5, 2
.LBB6_10:
	not	a5, a5
	srli	a5, a5, 31
	add	a5, a6, a5
	bnez	a5, .LBB6_22
	srli	a5, a3, 1
	slli	a6, a4, 31
	or	a6, a5, a6
	srli	a5, a4, 1
	andi	a3, a3, 1
	or	a4, a6, a3
	addi	a6, a2, 1
	li	a2, 2047
	bge	a6, a2, .LBB6_26
.LBB6_12:
	blez	a6, .LBB6_27
	mv	a2, a5
	mv	a3, a6
	j	.LBB6_40
.LBB6_14:
	ori	a6, a6, 8
	slli	a5, a5, 8
	srli	a7, a5, 28
	bnez	a7, .LBB6_8
.LBB6_15:
	ori	a6, a6, 4
	slli	a5, a5, 4
	srli	a7, a5, 30
	beqz	a7, .LBB6_9
	j	.LBB6_10
.LBB6_16:
	slli	a5, a3, 16
.LBB6_17:
	srli	a7, a5, 24
	slli	a6, a6, 4
	beqz	a7, .LBB6_29
	srli	a7, a5, 28
	beqz	a7, .LBB6_30
.LBB6_19:
	srli	a7, a5, 30
	bnez	a7, .LBB6_21
.LBB6_20:
	ori	a6, a6, 2
	slli	a5, a5, 2
.LBB6_21:
	not	a5, a5
	srli	a5, a5, 31
	add	a5, a6, a5
	addi	a5, a5, 32
.LBB6_22:
	addi	a7, a5, -33
	addi	a6, a5, -1
	bltz	a7, .LBB6_24
	li	a4, 0
	sll	a5, a3, a7
	j	.LBB6_25
.LBB6_24:
	sll	a4, a4, a6
	srli	a5, a3, 1
	xori	a7, a6, 31
	srl	a5, a5, a7
	or	a5, a4, a5
	sll	a4, a3, a6
.LBB6_25:
	sub	a6, a2, a6
	li	a2, 2047
	blt	a6, a2, .LBB6_12
.LBB6_26:
	lui	a2, 524032
	or	a1, a1, a2
	ret
.LBB6_27:
	li	a3, 1
	sub	a2, a3, a6
	li	a7, 64
	bltu	a2, a7, .LBB6_31
	li	a2, 0
	or	a4, a4, a5
	snez	a4, a4
	j	.LBB6_40
.LBB6_29:
	ori	a6, a6, 8
	slli	a5, a5, 8
	srli	a7, a5, 28
	bnez	a7, .LBB6_19
.LBB6_30:
	ori	a6, a6, 4
	slli	a5, a5, 4
	srli	a7, a5, 30
	beqz	a7, .LBB6_20
	j	.LBB6_21
.LBB6_31:
	addi	a3, a2, -32
	bltz	a3, .LBB6_33
	li	a2, 0
	srl	a3, a5, a3
	j	.LBB6_34
.LBB6_33:
	srl	a3, a4, a2
	xori	a7, a2, 31
	slli	t0, a5, 1
	sll	a7, t0, a7
	or	a3, a3, a7
	srl	a2, a5, a2
.LBB6_34:
	addi	a7, a6, 31
	addi	a6, a6, 63
	bltz	a7, .LBB6_36
	sll	a5, a4, a7
	j	.LBB6_37
.LBB6_36:
	sll	a5, a5, a6
	srli	t0, a4, 1
	xori	t1, a6, 31
	srl	t0, t0, t1
	or	a5, a5, t0
.LBB6_37:
	bgez	a7, .LBB6_39
	sll	a4, a4, a6
	or	a5, a5, a4
.LBB6_39:
	snez	a4, a5
	or	a4, a3, a4
	li	a3, 1
.LBB6_40:
	andi	a6, a4, 1023
	srli	a5, a4, 10
	slli	a7, a2, 22
	or	a5, a5, a7
	li	a7, 512
	srli	a2, a2, 10
	bltu	a7, a6, .LBB6_42
	addi	a6, a6, -512
	snez	a6, a6
	andi	a4, a4, 1024
	seqz	a4, a4
	or	a4, a6, a4
	bnez	a4, .LBB6_43
.LBB6_42:
	addi	a4, a5, 1
	sltu	a5, a4, a5
	add	a2, a2, a5
	mv	a5, a4
.LBB6_43:
	addi	a3, a3, -1
	slli	a3, a3, 20
	add	a2, a2, a3
	or	a0, a5, a0
	or	a1, a2, a1
	ret
.Lfunc_end6:
	.size	round_pack, .Lfunc_end6-round_pack

	.globl	__divdf3
	.p2align	2
	.type	__divdf3,@function
__divdf3:
	addi	sp, sp, -48
	sw	ra, 44(sp)
	sw	s0, 40(sp)
	sw	s1, 36(sp)
	sw	s2, 32(sp)
	mv	a4, a1
	lui	a1, 524288
	addi	a6, a1, -1
	and	a5, a4, a6
	lui	a7, 524032
	mv	s1, a3
	mv	s2, a2
	mv	a1, a0
	beq	a5, a7, .LBB7_3
	sltu	a0, a7, a5
	lui	s0, 524160
	beqz	a0, .LBB7_4
.LBB7_2:
	li	a0, 0
	j	.LBB7_15
.LBB7_3:
	snez	a0, a1
	lui	s0, 524160
	bnez	a0, .LBB7_2
.LBB7_4:
	li	a3, -1
	and	a2, s1, a6
	lui	a0, 524032
	and	a3, s2, a3
	beq	a2, a0, .LBB7_6
	sltu	a7, a0, a2
	li	a0, 0
	beqz	a7, .LBB7_7
	j	.LBB7_15
.LBB7_6:
	snez	a7, a3
	li	a0, 0
	bnez	a7, .LBB7_15
.LBB7_7:
	li	a0, 1
	xor	a7, s1, a4
	add	a6, a0, a6
	lui	a0, 524032
	xor	t0, a5, a0
	or	t0, a1, t0
	and	s0, a7, a6
	bnez	t0, .LBB7_9
	xor	a1, a2, a0
	or	a2, a3, a1
	lui	a1, 524160
	bnez	a2, .LBB7_13
	j	.LBB7_14
.LBB7_9:
	slli	a2, s1, 1
	srli	a2, a2, 1
	xor	a0, a2, a0
	or	a0, s2, a0
	beqz	a0, .LBB7_15
	slli	a0, s1, 1
	srli	a0, a0, 1
	or	a0, s2, a0
	bnez	a0, .LBB7_16
	or	a0, a1, a5
	lui	a1, 524160
	beqz	a0, .LBB7_14
	lui	a0, 524032
.LBB7_13:
	or	a1, s0, a0
.LBB7_14:
	li	a0, 0
	mv	s0, a1
.LBB7_15:
	mv	a1, s0
	lw	ra, 44(sp)
	lw	s0, 40(sp)
	lw	s1, 36(sp)
	lw	s2, 32(sp)
	addi	sp, sp, 48
	ret
.LBB7_16:
	or	a0, a1, a5
	beqz	a0, .LBB7_15
	addi	a0, sp, 16
	mv	a2, a4
	call	unpack
	mv	a0, sp
	mv	a1, s2
	mv	a2, s1
	call	unpack
	lw	a3, 16(sp)
	lw	a4, 20(sp)
	lw	a0, 4(sp)
	lw	a1, 0(sp)
	beq	a4, a0, .LBB7_19
	sltu	a2, a4, a0
	j	.LBB7_20
.LBB7_19:
	sltu	a2, a3, a1
.LBB7_20:
	sll	a4, a4, a2
	xori	a5, a2, 31
	srli	a6, a3, 1
	srl	a5, a6, a5
	or	a4, a4, a5
	sll	a3, a3, a2
	sub	a4, a4, a0
	sltu	a5, a3, a1
	sub	a5, a4, a5
	sub	a6, a3, a1
	srli	a3, a0, 5
	addi	a4, a3, 1
	slli	a3, a5, 11
	srli	a7, a6, 21
	or	a3, a7, a3
	divu	a3, a3, a4
	slli	a5, a5, 16
	srli	a7, a6, 16
	or	a5, a5, a7
	slli	a6, a6, 16
	mul	a7, a0, a3
	mulhu	t0, a1, a3
	add	a7, t0, a7
	mul	t0, a1, a3
	sub	a5, a5, a7
	sltu	a7, a6, t0
	sub	a7, a5, a7
	sub	a6, a6, t0
	beq	a7, a0, .LBB7_22
	sltu	a5, a7, a0
	j	.LBB7_23
.LBB7_22:
	sltu	a5, a6, a1
.LBB7_23:
	beqz	a5, .LBB7_28
.LBB7_24:
	srli	a5, a6, 21
	slli	t0, a7, 11
	or	a5, a5, t0
	divu	a5, a5, a4
	srli	t0, a6, 16
	slli	a7, a7, 16
	or	a7, a7, t0
	slli	a6, a6, 16
	mul	t0, a0, a5
	mulhu	t1, a1, a5
	add	t0, t1, t0
	mul	t1, a1, a5
	sub	a7, a7, t0
	sltu	t0, a6, t1
	sub	t0, a7, t0
	sub	a6, a6, t1
	beq	t0, a0, .LBB7_30
	sltu	a7, t0, a0
	j	.LBB7_31
.LBB7_26:
	sltu	a5, a7, a0
.LBB7_27:
	xori	a5, a5, 1
	addi	a3, a3, 1
	beqz	a5, .LBB7_24
.LBB7_28:
	sltu	a5, a6, a1
	sub	a7, a7, a0
	sub	a7, a7, a5
	sub	a6, a6, a1
	bne	a7, a0, .LBB7_26
	sltu	a5, a6, a1
	j	.LBB7_27
.LBB7_30:
	sltu	a7, a6, a1
.LBB7_31:
	beqz	a7, .LBB7_37
	li	a7, 0
.LBB7_33:
	srli	t1, a5, 16
	slli	a7, a7, 16
	or	t2, a7, t1
	srli	a7, a6, 21
	slli	t1, t0, 11
	or	a7, a7, t1
	divu	a7, a7, a4
	srli	a4, a6, 16
	slli	t0, t0, 16
	or	a4, t0, a4
	slli	t0, a6, 16
	mul	a6, a0, a7
	mulhu	t1, a1, a7
	add	a6, t1, a6
	mul	t1, a1, a7
	sub	a4, a4, a6
	sltu	a6, t0, t1
	sub	a6, a4, a6
	sub	a4, t0, t1
	beq	a6, a0, .LBB7_39
	sltu	t3, a6, a0
	j	.LBB7_40
.LBB7_35:
	sltu	a7, t0, a0
.LBB7_36:
	xori	a7, a7, 1
	addi	a5, a5, 1
	beqz	a7, .LBB7_33
.LBB7_37:
	sltu	a7, a6, a1
	sub	t0, t0, a0
	sub	t0, t0, a7
	sub	a6, a6, a1
	bne	t0, a0, .LBB7_35
	sltu	a7, a6, a1
	j	.LBB7_36
.LBB7_39:
	sltu	t3, a4, a1
.LBB7_40:
	lw	t0, 24(sp)
	lw	t1, 8(sp)
	slli	a5, a5, 16
	or	a3, a3, t2
	beqz	t3, .LBB7_46
	li	t2, 0
.LBB7_42:
	xori	a2, a2, 1031
	or	a3, a3, t2
	or	t2, a5, a7
	sub	a7, t0, t1
	srli	t0, t2, 26
	slli	t1, a3, 6
	srli	a3, a4, 21
	slli	a5, a6, 11
	or	a3, a3, a5
	srli	a5, a1, 27
	slli	t3, a0, 5
	or	a5, a5, t3
	addi	a5, a5, 1
	divu	a3, a3, a5
	srli	a5, a4, 26
	slli	a6, a6, 6
	or	a5, a6, a5
	slli	a4, a4, 6
	mul	a6, a0, a3
	mulhu	t3, a1, a3
	add	a6, t3, a6
	mul	t3, a1, a3
	sub	a5, a5, a6
	sltu	a6, a4, t3
	sub	a5, a5, a6
	sub	a4, a4, t3
	beq	a5, a0, .LBB7_48
	sltu	t3, a5, a0
	j	.LBB7_49
.LBB7_44:
	sltu	t2, a6, a0
.LBB7_45:
	xori	t2, t2, 1
	addi	a7, a7, 1
	beqz	t2, .LBB7_42
.LBB7_46:
	sltu	t2, a4, a1
	sub	a6, a6, a0
	sub	a6, a6, t2
	sub	a4, a4, a1
	bne	a6, a0, .LBB7_44
	sltu	t2, a4, a1
	j	.LBB7_45
.LBB7_48:
	sltu	t3, a4, a1
.LBB7_49:
	add	a2, a7, a2
	or	a7, t1, t0
	slli	a6, t2, 6
	beqz	t3, .LBB7_53
.LBB7_50:
	or	a0, a7, zero
	or	a1, a6, a3
	or	a3, a4, a5
	snez	a3, a3
	or	a3, a1, a3
	lui	a1, 1024
	or	a4, a0, a1
	li	a0, 0
	mv	a1, s0
	lw	ra, 44(sp)
	lw	s0, 40(sp)
	lw	s1, 36(sp)
	lw	s2, 32(sp)
	addi	sp, sp, 48
	tail	round_pack
.LBB7_51:
	sltu	t0, a5, a0
.LBB7_52:
	xori	t0, t0, 1
	addi	a3, a3, 1
	beqz	t0, .LBB7_50
.LBB7_53:
	sltu	t0, a4, a1
	sub	a5, a5, a0
	sub	a5, a5, t0
	sub	a4, a4, a1
	bne	a5, a0, .LBB7_51
	sltu	t0, a4, a1
	j	.LBB7_52
.Lfunc_end7:
	.size	__divdf3, .Lfunc_end7-__divdf3

	.globl	__eqdf2
	.p2align	2
	.type	__eqdf2,@function
__eqdf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, 1
	beq	a0, a2, .LBB8_2
	mv	a1, a0
.LBB8_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end8:
	.size	__eqdf2, .Lfunc_end8-__eqdf2

	.p2align	2
	.type	compare,@function
compare:
	slli	a4, a1, 1
	srli	a5, a4, 1
	lui	a4, 524032
	beq	a5, a4, .LBB9_3
	sltu	a6, a4, a5
	li	a4, 2
	beqz	a6, .LBB9_4
.LBB9_2:
	mv	a0, a4
	ret
.LBB9_3:
	snez	a6, a0
	li	a4, 2
	bnez	a6, .LBB9_2
.LBB9_4:
	lui	a6, 524288
	li	a7, -1
	addi	a6, a6, -1
	and	a6, a3, a6
	lui	t0, 524032
	and	a7, a2, a7
	beq	a6, t0, .LBB9_6
	sltu	t0, t0, a6
	bnez	t0, .LBB9_2
	j	.LBB9_7
.LBB9_6:
	snez	t0, a7
	bnez	t0, .LBB9_2
.LBB9_7:
	bltz	a1, .LBB9_9
	mv	a4, a0
	bltz	a3, .LBB9_10
	j	.LBB9_11
.LBB9_9:
	neg	a4, a0
	snez	a0, a0
	add	a0, a5, a0
	neg	a1, a0
	bgez	a3, .LBB9_11
.LBB9_10:
	neg	a2, a7
	snez	a0, a7
	add	a0, a6, a0
	neg	a3, a0
.LBB9_11:
	beq	a1, a3, .LBB9_13
	slt	a0, a1, a3
	slt	a1, a3, a1
	li	a4, -1
	bnez	a0, .LBB9_2
	j	.LBB9_14
.LBB9_13:
	sltu	a0, a4, a2
	sltu	a1, a2, a4
	li	a4, -1
	bnez	a0, .LBB9_2
.LBB9_14:
	mv	a4, a1
	mv	a0, a4
	ret
.Lfunc_end9:
	.size	compare, .Lfunc_end9-compare

	.globl	__nedf2
	.p2align	2
	.type	__nedf2,@function
__nedf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, 1
	beq	a0, a2, .LBB10_2
	mv	a1, a0
.LBB10_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end10:
	.size	__nedf2, .Lfunc_end10-__nedf2

	.globl	__ltdf2
	.p2align	2
	.type	__ltdf2,@function
__ltdf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, 1
	beq	a0, a2, .LBB11_2
	mv	a1, a0
.LBB11_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end11:
	.size	__ltdf2, .Lfunc_end11-__ltdf2

	.globl	__ledf2
	.p2align	2
	.type	__ledf2,@function
__ledf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, 1
	beq	a0, a2, .LBB12_2
	mv	a1, a0
.LBB12_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end12:
	.size	__ledf2, .Lfunc_end12-__ledf2

	.globl	__gtdf2
	.p2align	2
	.type	__gtdf2,@function
__gtdf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, -1
	beq	a0, a2, .LBB13_2
	mv	a1, a0
.LBB13_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end13:
	.size	__gtdf2, .Lfunc_end13-__gtdf2

	.globl	__gedf2
	.p2align	2
	.type	__gedf2,@function
__gedf2:
	addi	sp, sp, -16
	sw	ra, 12(sp)
	call	compare
	li	a2, 2
	li	a1, -1
	beq	a0, a2, .LBB14_2
	mv	a1, a0
.LBB14_2:
	mv	a0, a1
	lw	ra, 12(sp)
	addi	sp, sp, 16
	ret
.Lfunc_end14:
	.size	__gedf2, .Lfunc_end14-__gedf2

	.globl	__unorddf2
	.p2align	2
	.type	__unorddf2,@function
__unorddf2:
	lui	a4, 524288
	addi	a4, a4, -1
	and	a5, a1, a4
	lui	a1, 524032
	beq	a5, a1, .LBB15_3
	sltu	a0, a1, a5
	and	a3, a3, a4
	bne	a3, a1, .LBB15_4
.LBB15_2:
	snez	a1, a2
	or	a0, a0, a1
	ret
.LBB15_3:
	snez	a0, a0
	and	a3, a3, a4
	beq	a3, a1, .LBB15_2
.LBB15_4:
	sltu	a1, a1, a3
	or	a0, a0, a1
	ret
.Lfunc_end15:
	.size	__unorddf2, .Lfunc_end15-__unorddf2

	.globl	__fixdfsi
	.p2align	2
	.type	__fixdfsi,@function
__fixdfsi:
	lui	a2, 524288
	addi	a2, a2, -1
	and	a3, a1, a2
	lui	a4, 524032
	beq	a3, a4, .LBB16_3
	sltu	a3, a4, a3
	beqz	a3, .LBB16_4
.LBB16_2:
	mv	a0, a2
	ret
.LBB16_3:
	snez	a3, a0
	bnez	a3, .LBB16_2
.LBB16_4:
	slli	a2, a1, 1
	srli	a2, a2, 21
	li	a3, 1023
	bgeu	a2, a3, .LBB16_6
	li	a0, 0
	ret
.LBB16_6:
	addi	a3, a2, -1054
	li	a4, -32
	bltu	a4, a3, .LBB16_8
	slti	a0, a1, 0
	xori	a0, a0, 1
	lui	a1, 524288
	sub	a0, a1, a0
	ret
.LBB16_8:
	lui	a3, 256
	addi	a3, a3, -1
	and	a4, a1, a3
	addi	a5, a0, -1
	sltu	a0, a5, a0
	add	a4, a4, a0
	addi	a0, a5, 1
	sltu	a5, a0, a5
	add	a5, a4, a5
	li	a4, 1043
	sub	a4, a4, a2
	add	a3, a5, a3
	bltz	a4, .LBB16_10
	srl	a2, a3, a4
	bgez	a1, .LBB16_2
	j	.LBB16_11
.LBB16_10:
	li	a4, 1075
	sub	a2, a4, a2
	slli	a3, a3, 1
	xori	a4, a2, 31
	sll	a3, a3, a4
	srl	a0, a0, a2
	or	a2, a0, a3
	bgez	a1, .LBB16_2
.LBB16_11:
	neg	a2, a2
	mv	a0, a2
	ret
.Lfunc_end16:
	.size	__fixdfsi, .Lfunc_end16-__fixdfsi

	.globl	__fixunsdfsi
	.p2align	2
	.type	__fixunsdfsi,@function
__fixunsdfsi:
	slli	a3, a1, 1
	srli	a2, a3, 1
	lui	a4, 524032
	beq	a2, a4, .LBB17_3
	sltu	a4, a4, a2
	li	a2, -1
	beqz	a4, .LBB17_4
.LBB17_2:
	mv	a0, a2
	ret
.LBB17_3:
	snez	a4, a0
	li	a2, -1
	bnez	a4, .LBB17_2
.LBB17_4:
	srli	a3, a3, 21
	slti	a2, a1, 0
	sltiu	a4, a3, 1023
	or	a4, a2, a4
	li	a2, 0
	bnez	a4, .LBB17_2
	addi	a4, a3, -1055
	li	a5, -32
	li	a2, -1
	bltu	a4, a5, .LBB17_2
	lui	a2, 256
	addi	a4, a2, -1
	and	a1, a1, a4
	addi	a2, a0, -1
	sltu	a0, a2, a0
	add	a1, a1, a0
	addi	a0, a2, 1
	sltu	a2, a0, a2
	add	a1, a1, a2
	li	a2, 1043
	sub	a2, a2, a3
	add	a1, a1, a4
	bltz	a2, .LBB17_8
	srl	a2, a1, a2
	mv	a0, a2
	ret
.LBB17_8:
	li	a2, 1075
	sub	a2, a2, a3
	slli	a1, a1, 1
	xori	a3, a2, 31
	sll	a1, a1, a3
	srl	a0, a0, a2
	or	a0, a0, a1
	ret
.Lfunc_end17:
	.size	__fixunsdfsi, .Lfunc_end17-__fixunsdfsi

	.globl	__fixdfdi
	.p2align	2
	.type	__fixdfdi,@function
__fixdfdi:
	lui	a2, 524288
	addi	a2, a2, -1
	and	a4, a1, a2
	lui	a5, 524032
	mv	a3, a0
	beq	a4, a5, .LBB18_3
	sltu	a4, a5, a4
	li	a0, -1
	beqz	a4, .LBB18_4
.LBB18_2:
	mv	a1, a2
	ret
.LBB18_3:
	snez	a4, a3
	li	a0, -1
	bnez	a4, .LBB18_2
.LBB18_4:
	slli	a0, a1, 1
	srli	a0, a0, 21
	li	a2, 1023
	bgeu	a0, a2, .LBB18_6
	li	a0, 0
	li	a1, 0
	ret
.LBB18_6:
	addi	a2, a0, -1023
	li	a4, 63
	bltu	a2, a4, .LBB18_8
	srli	a1, a1, 31
	addi	a0, a1, -1
	sltu	a1, a0, a1
	lui	a2, 524288
	addi	a2, a2, -1
	add	a1, a1, a2
	ret
.LBB18_8:
	lui	a4, 256
	addi	a4, a4, -1
	and	a5, a1, a4
	addi	a6, a3, -1
	sltu	a3, a6, a3
	add	a5, a5, a3
	addi	a3, a6, 1
	sltu	a6, a3, a6
	add	a5, a5, a6
	li	a6, 52
	add	a4, a5, a4
	bltu	a2, a6, .LBB18_11
	addi	a2, a0, -1107
	bltz	a2, .LBB18_13
	li	a0, 0
	sll	a2, a3, a2
	j	.LBB18_15
.LBB18_11:
	li	a2, 1043
	sub	a5, a2, a0
	bltz	a5, .LBB18_14
	li	a2, 0
	srl	a0, a4, a5
	j	.LBB18_15
.LBB18_13:
	addi	a0, a0, -1075
	sll	a2, a4, a0
	srli	a4, a3, 1
	xori	a5, a0, 31
	srl	a4, a4, a5
	or	a2, a2, a4
	sll	a0, a3, a0
	j	.LBB18_15
.LBB18_14:
	li	a2, 1075
	sub	a2, a2, a0
	srl	a0, a3, a2
	xori	a3, a2, 31
	slli	a5, a4, 1
	sll	a3, a5, a3
	or	a0, a0, a3
	srl	a2, a4, a2
.LBB18_15:
	bgez	a1, .LBB18_2
	snez	a1, a0
	add	a1, a2, a1
	neg	a2, a1
	neg	a0, a0
	mv	a1, a2
	ret
.Lfunc_end18:
	.size	__fixdfdi, .Lfunc_end18-__fixdfdi

	.globl	__fixunsdfdi
	.p2align	2
	.type	__fixunsdfdi,@function
__fixunsdfdi:
	slli	a4, a1, 1
	srli	a3, a4, 1
	lui	a5, 524032
	mv	a2, a0
	beq	a3, a5, .LBB19_2
	sltu	a5, a5, a3
	j	.LBB19_3
.LBB19_2:
	snez	a5, a2
.LBB19_3:
	li	a0, -1
	li	a3, -1
	bnez	a5, .LBB19_12
	srli	a4, a4, 21
	slti	a0, a1, 0
	sltiu	a3, a4, 1023
	or	a0, a0, a3
	beqz	a0, .LBB19_6
	li	a0, 0
	li	a1, 0
	ret
.LBB19_6:
	addi	a5, a4, -1023
	li	a0, -1
	li	a6, 63
	li	a3, -1
	bltu	a6, a5, .LBB19_12
	lui	a0, 256
	addi	a0, a0, -1
	and	a1, a1, a0
	addi	a3, a2, -1
	sltu	a2, a3, a2
	add	a2, a1, a2
	addi	a1, a3, 1
	sltu	a3, a1, a3
	add	a2, a2, a3
	li	a3, 52
	add	a2, a2, a0
	bltu	a5, a3, .LBB19_10
	addi	a3, a4, -1107
	bltz	a3, .LBB19_13
	li	a0, 0
	sll	a1, a1, a3
	ret
.LBB19_10:
	li	a0, 1043
	sub	a0, a0, a4
	bltz	a0, .LBB19_14
	li	a3, 0
	srl	a0, a2, a0
.LBB19_12:
	mv	a1, a3
	ret
.LBB19_13:
	addi	a0, a4, -1075
	sll	a2, a2, a0
	srli	a3, a1, 1
	xori	a4, a0, 31
	srl	a3, a3, a4
	or	a3, a2, a3
	sll	a0, a1, a0
	mv	a1, a3
	ret
.LBB19_14:
	li	a0, 1075
	sub	a3, a0, a4
	srl	a0, a1, a3
	xori	a1, a3, 31
	slli	a4, a2, 1
	sll	a1, a4, a1
	or	a0, a0, a1
	srl	a1, a2, a3
	ret
.Lfunc_end19:
	.size	__fixunsdfdi, .Lfunc_end19-__fixunsdfdi

	.globl	__floatsidf
	.p2align	2
	.type	__floatsidf,@function
__floatsidf:
	mv	a3, a0
	bltz	a0, .LBB20_3
	li	a0, 0
	li	a1, 0
	bnez	a3, .LBB20_4
	ret
.LBB20_3:
	li	a0, 0
	neg	a3, a3
	lui	a1, 524288
.LBB20_4:
	li	a2, 1085
	li	a4, 0
	tail	round_pack
.Lfunc_end20:
	.size	__floatsidf, .Lfunc_end20-__floatsidf

	.globl	__floatunsidf
	.p2align	2
	.type	__floatunsidf,@function
__floatunsidf:
	beqz	a0, .LBB21_2
	mv	a3, a0
	li	a2, 1085
	li	a0, 0
	li	a1, 0
	li	a4, 0
	tail	round_pack
.LBB21_2:
	li	a1, 0
	ret
.Lfunc_end21:
	.size	__floatunsidf, .Lfunc_end21-__floatunsidf

	.globl	__floatdidf
	.p2align	2
	.type	__floatdidf,@function
__floatdidf:
	mv	a4, a1
	mv	a5, a0
	bltz	a1, .LBB22_3
	or	a0, a5, a4
	beqz	a0, .LBB22_4
	li	a2, 1085
	li	a0, 0
	li	a1, 0
	mv	a3, a5
	tail	round_pack
.LBB22_3:
	neg	a3, a5
	snez	a0, a5
	add	a0, a4, a0
	neg	a4, a0
	lui	a1, 524288
	li	a2, 1085
	li	a0, 0
	tail	round_pack
.LBB22_4:
	li	a1, 0
	ret
.Lfunc_end22:
	.size	__floatdidf, .Lfunc_end22-__floatdidf

	.globl	__floatundidf
	.p2align	2
	.type	__floatundidf,@function
__floatundidf:
	mv	a3, a0
	or	a0, a0, a1
	beqz	a0, .LBB23_2
	mv	a4, a1
	li	a2, 1085
	li	a0, 0
	li	a1, 0
	tail	round_pack
.LBB23_2:
	li	a1, 0
	ret
.Lfunc_end23:
	.size	__floatundidf, .Lfunc_end23-__floatundidf

	.globl	__extendsfdf2
	.p2align	2
	.type	__extendsfdf2,@function
__extendsfdf2:
	slli	a1, a0, 1
	srli	a2, a1, 1
	lui	a1, 522240
	bgeu	a1, a2, .LBB24_2
	li	a0, 0
	lui	a1, 524160
	ret
.LBB24_2:
	lui	a1, 524288
	and	a1, a0, a1
	beqz	a2, .LBB24_5
	lui	a3, 522240
	bne	a2, a3, .LBB24_6
	li	a0, 0
	lui	a2, 524032
	or	a1, a1, a2
	ret
.LBB24_5:
	li	a0, 0
	ret
.LBB24_6:
	lui	a3, 2048
	addi	a3, a3, -1
	srli	a4, a2, 23
	and	a2, a0, a3
	bnez	a4, .LBB24_14
	srli	a5, a2, 16
	seqz	a4, a5
	bnez	a5, .LBB24_9
	slli	a2, a0, 16
.LBB24_9:
	srli	a5, a2, 24
	slli	a4, a4, 4
	beqz	a5, .LBB24_15
	srli	a5, a2, 28
	beqz	a5, .LBB24_16
.LBB24_11:
	srli	a5, a2, 30
	bnez	a5, .LBB24_13
.LBB24_12:
	ori	a4, a4, 2
	slli	a2, a2, 2
.LBB24_13:
	not	a2, a2
	srli	a2, a2, 31
	add	a4, a4, a2
	addi	a2, a4, -8
	sll	a0, a0, a2
	and	a2, a0, a3
	li	a0, 9
	sub	a4, a0, a4
.LBB24_14:
	addi	a0, a4, 896
	slli	a0, a0, 20
	or	a1, a0, a1
	slli	a0, a2, 29
	srli	a2, a2, 3
	or	a1, a1, a2
	ret
.LBB24_15:
	ori	a4, a4, 8
	slli	a2, a2, 8
	srli	a5, a2, 28
	bnez	a5, .LBB24_11
.LBB24_16:
	ori	a4, a4, 4
	slli	a2, a2, 4
	srli	a5, a2, 30
	beqz	a5, .LBB24_12
	j	.LBB24_13
.Lfunc_end24:
	.size	__extendsfdf2, .Lfunc_end24-__extendsfdf2

	.section	".note.GNU-stack","",@progbits
