	.text
	.globl	__addsf3
	.p2align	2
	.type	__addsf3,@function
__addsf3:
	tail	sum
.Lfunc_end0:
	.size	__addsf3, .Lfunc_end0-__addsf3

	.p2align	2
	.type	sum,@function
sum:
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	sw	s1, 20(sp)
	sw	s2, 16(sp)
	sw	s3, 12(sp)
	mv	s0, a0
	lui	a0, 524288
	addi	a3, a0, -1
	and	a2, s0, a3
	lui	a4, 522240
	lui	a0, 523264
	bltu	a4, a2, .LBB1_8
	and	a3, a1, a3
	bltu	a4, a3, .LBB1_8
	lui	a0, 522240
	bne	a2, a0, .LBB1_6
	xor	a0, a3, a0
	snez	a0, a0
	xor	a1, s0, a1
	seqz	a1, a1
	or	a0, a1, a0
	bnez	a0, .LBB1_5
	lui	s0, 523264
.LBB1_5:
	mv	a0, s0
	j	.LBB1_8
.LBB1_6:
	bne	a3, a0, .LBB1_9
.LBB1_7:
	mv	a0, a1
.LBB1_8:
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	addi	sp, sp, 32
	ret
.LBB1_9:
	beqz	a2, .LBB1_13
	beqz	a3, .LBB1_5
	bltu	a2, a3, .LBB1_15
	mv	s2, a1
	j	.LBB1_16
.LBB1_13:
	bnez	a3, .LBB1_7
	and	a1, a1, s0
	j	.LBB1_7
.LBB1_15:
	mv	s2, s0
	mv	s0, a1
.LBB1_16:
	mv	a0, s0
	call	unpack
	mv	s3, a0
	mv	s1, a1
	mv	a0, s2
	call	unpack
	slli	a0, a0, 6
	beq	s1, a1, .LBB1_20
	sub	a1, s1, a1
	li	a2, 32
	blt	a1, a2, .LBB1_19
	snez	a0, a0
	j	.LBB1_20
.LBB1_19:
	srl	a2, a0, a1
	neg	a1, a1
	sll	a0, a0, a1
	snez	a0, a0
	or	a0, a2, a0
.LBB1_20:
	xor	a2, s0, s2
	slli	a1, s3, 6
	bgez	a2, .LBB1_22
	neg	a0, a0
.LBB1_22:
	add	a2, a0, a1
	beqz	a2, .LBB1_24
	lui	a0, 524288
	and	a0, s0, a0
	addi	a1, s1, 1
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	addi	sp, sp, 32
	tail	round_pack
.LBB1_24:
	li	a0, 0
	j	.LBB1_8
.Lfunc_end1:
	.size	sum, .Lfunc_end1-sum

	.globl	__subsf3
	.p2align	2
	.type	__subsf3,@function
__subsf3:
	lui	a2, 524288
	xor	a1, a1, a2
	tail	sum
.Lfunc_end2:
	.size	__subsf3, .Lfunc_end2-__subsf3

	.globl	__negsf2
	.p2align	2
	.type	__negsf2,@function
__negsf2:
	lui	a1, 524288
	xor	a0, a0, a1
	ret
.Lfunc_end3:
	.size	__negsf2, .Lfunc_end3-__negsf2

	.globl	__mulsf3
	.p2align	2
	.type	__mulsf3,@function
__mulsf3:
	mv	a2, a0
	lui	a3, 524288
	addi	a5, a3, -1
	and	a4, a0, a5
	lui	a6, 522240
	lui	a0, 523264
	bltu	a6, a4, .LBB4_7
	and	a5, a1, a5
	bltu	a6, a5, .LBB4_7
	xor	a0, a1, a2
	and	a0, a0, a3
	lui	a3, 522240
	xor	a6, a4, a3
	snez	a6, a6
	xor	a7, a5, a3
	snez	a7, a7
	seqz	a4, a4
	seqz	a5, a5
	and	a6, a6, a7
	or	a4, a4, a5
	bnez	a6, .LBB4_6
	lui	a1, 523264
	bnez	a4, .LBB4_5
	or	a1, a0, a3
.LBB4_5:
	mv	a0, a1
	j	.LBB4_7
.LBB4_6:
	beqz	a4, .LBB4_8
.LBB4_7:
	ret
.LBB4_8:
	lui	a6, 2048
	addi	a4, a6, -1
	slli	a3, a2, 1
	srli	a3, a3, 24
	and	a5, a2, a4
	beqz	a3, .LBB4_10
	or	a2, a5, a6
	j	.LBB4_18
.LBB4_10:
	srli	a6, a5, 16
	seqz	a3, a6
	beqz	a6, .LBB4_12
	mv	a2, a5
	j	.LBB4_13
.LBB4_12:
	slli	a2, a2, 16
.LBB4_13:
	srli	a6, a2, 24
	slli	a3, a3, 4
	beqz	a6, .LBB4_22
	srli	a6, a2, 28
	beqz	a6, .LBB4_23
.LBB4_15:
	srli	a6, a2, 30
	bnez	a6, .LBB4_17
.LBB4_16:
	ori	a3, a3, 2
	slli	a2, a2, 2
.LBB4_17:
	not	a2, a2
	srli	a2, a2, 31
	add	a3, a3, a2
	addi	a2, a3, -8
	sll	a2, a5, a2
	li	a5, 9
	sub	a3, a5, a3
.LBB4_18:
	slli	a5, a1, 1
	srli	a5, a5, 24
	and	a4, a1, a4
	beqz	a5, .LBB4_20
	lui	a1, 2048
	or	a1, a4, a1
	j	.LBB4_30
.LBB4_20:
	srli	a6, a4, 16
	seqz	a5, a6
	beqz	a6, .LBB4_24
	mv	a1, a4
	j	.LBB4_25
.LBB4_22:
	ori	a3, a3, 8
	slli	a2, a2, 8
	srli	a6, a2, 28
	bnez	a6, .LBB4_15
.LBB4_23:
	ori	a3, a3, 4
	slli	a2, a2, 4
	srli	a6, a2, 30
	beqz	a6, .LBB4_16
	j	.LBB4_17
.LBB4_24:
	slli	a1, a1, 16
.LBB4_25:
	srli	a6, a1, 24
	slli	a5, a5, 4
	beqz	a6, .LBB4_31
	srli	a6, a1, 28
	beqz	a6, .LBB4_32
.LBB4_27:
	srli	a6, a1, 30
	bnez	a6, .LBB4_29
.LBB4_28:
	ori	a5, a5, 2
	slli	a1, a1, 2
.LBB4_29:
	not	a1, a1
	srli	a1, a1, 31
	add	a5, a5, a1
	addi	a1, a5, -8
	sll	a1, a4, a1
	li	a4, 9
	sub	a5, a4, a5
.LBB4_30:
	mul	a4, a1, a2
	mulhu	a1, a1, a2
	slli	a1, a1, 16
	srli	a2, a4, 16
	or	a1, a2, a1
	slli	a2, a4, 16
	srli	a2, a2, 16
	snez	a2, a2
	or	a2, a2, a1
	add	a1, a3, a5
	addi	a1, a1, -127
	tail	round_pack
.LBB4_31:
	ori	a5, a5, 8
	slli	a1, a1, 8
	srli	a6, a1, 28
	bnez	a6, .LBB4_27
.LBB4_32:
	ori	a5, a5, 4
	slli	a1, a1, 4
	srli	a6, a1, 30
	beqz	a6, .LBB4_28
	j	.LBB4_29
.Lfunc_end4:
	.size	__mulsf3, .Lfunc_end4-__mulsf3

	.p2align	2
	.type	unpack,@function
unpack:
	slli	a2, a0, 9
	slli	a1, a0, 1
	srli	a1, a1, 24
	srli	a2, a2, 9
	beqz	a1, .LBB5_2
	lui	a0, 2048
	or	a0, a2, a0
	ret
.LBB5_2:
	srli	a3, a2, 16
	seqz	a1, a3
	beqz	a3, .LBB5_4
	mv	a0, a2
	j	.LBB5_5
.LBB5_4:
	slli	a0, a0, 16
.LBB5_5:
	srli	a3, a0, 24
	slli	a1, a1, 4
	beqz	a3, .LBB5_10
	srli	a3, a0, 28
	beqz	a3, .LBB5_11
.LBB5_7:
	srli	a3, a0, 30
	bnez	a3, .LBB5_9
.LBB5_8:
	ori	a1, a1, 2
	slli	a0, a0, 2
.LBB5_9:
	not	a0, a0
	srli	a0, a0, 31
	add	a1, a1, a0
	addi	a0, a1, -8
	sll	a0, a2, a0
	li	a2, 9
	sub	a1, a2, a1
	ret
.LBB5_10:
	ori	a1, a1, 8
	slli	a0, a0, 8
	srli	a3, a0, 28
	bnez	a3, .LBB5_7
.LBB5_11:
	ori	a1, a1, 4
	slli	a0, a0, 4
	srli	a3, a0, 30
	beqz	a3, .LBB5_8
	j	.LBB5_9
.Lfunc_end5:
	.size	unpack, .Lfunc_end5-unpack

	.p2align	2
	.type	round_pack,@function
round_pack:
	srli	a3, a2, 16
	seqz	a4, a3
	beqz	a3, .LBB6_2
	mv	a3, a2
	j	.LBB6_3
.LBB6_2:
	slli	a3, a2, 16
.LBB6_3:
	srli	a5, a3, 24
	slli	a4, a4, 4
	beqz	a5, .LBB6_10
	srli	a5, a3, 28
	beqz	a5, .LBB6_11
.LBB6_5:
	srli	a5, a3, 30
	bnez	a5, .LBB6_7
.LBB6_6:
	ori	a4, a4, 2
	slli	a3, a3, 2
.LBB6_7:
	not	a3, a3
	srli	a3, a3, 31
	add	a3, a4, a3
	beqz	a3, .LBB6_12
	addi	a3, a3, -1
	sll	a2, a2, a3
	sub	a3, a1, a3
	li	a1, 255
	blt	a3, a1, .LBB6_13
.LBB6_9:
	lui	a1, 522240
	or	a0, a0, a1
	ret
.LBB6_10:
	ori	a4, a4, 8
	slli	a3, a3, 8
	srli	a5, a3, 28
	bnez	a5, .LBB6_5
.LBB6_11:
	ori	a4, a4, 4
	slli	a3, a3, 4
	srli	a5, a3, 30
	beqz	a5, .LBB6_6
	j	.LBB6_7
.LBB6_12:
	srli	a3, a2, 1
	andi	a2, a2, 1
	or	a2, a3, a2
	addi	a3, a1, 1
	li	a1, 255
	bge	a3, a1, .LBB6_9
.LBB6_13:
	blez	a3, .LBB6_15
	mv	a1, a3
	j	.LBB6_18
.LBB6_15:
	li	a1, 1
	sub	a4, a1, a3
	li	a5, 32
	bltu	a4, a5, .LBB6_17
	snez	a2, a2
	j	.LBB6_18
.LBB6_17:
	srl	a4, a2, a4
	addi	a3, a3, 31
	sll	a2, a2, a3
	snez	a2, a2
	or	a2, a4, a2
.LBB6_18:
	andi	a3, a2, 127
	srli	a4, a2, 7
	sltiu	a3, a3, 65
	xori	a3, a3, 1
	andi	a2, a2, 255
	addi	a2, a2, -192
	seqz	a2, a2
	or	a2, a3, a2
	add	a2, a4, a2
	slli	a1, a1, 23
	add	a1, a1, a2
	lui	a2, 1046528
	add	a1, a1, a2
	or	a0, a1, a0
	ret
.Lfunc_end6:
	.size	round_pack, .Lfunc_end6-round_pack

	.globl	__divsf3
	.p2align	2
	.type	__divsf3,@function
__divsf3:
	addi	sp, sp, -32
	sw	ra, 28(sp)
	sw	s0, 24(sp)
	sw	s1, 20(sp)
	sw	s2, 16(sp)
	sw	s3, 12(sp)
	mv	s1, a1
	lui	a3, 524288
	addi	a2, a3, -1
	and	a1, a0, a2
	lui	a4, 522240
	lui	s0, 523264
	bltu	a4, a1, .LBB7_10
	and	a2, s1, a2
	bltu	a4, a2, .LBB7_10
	xor	a5, s1, a0
	lui	a4, 522240
	and	s0, a5, a3
	bne	a1, a4, .LBB7_5
	lui	a0, 523264
	beq	a2, a4, .LBB7_9
	or	a0, s0, a4
	j	.LBB7_9
.LBB7_5:
	beq	a2, a4, .LBB7_10
	bnez	a2, .LBB7_11
	lui	a0, 523264
	beqz	a1, .LBB7_9
	lui	a0, 522240
	or	a0, s0, a0
.LBB7_9:
	mv	s0, a0
.LBB7_10:
	mv	a0, s0
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	addi	sp, sp, 32
	ret
.LBB7_11:
	beqz	a1, .LBB7_10
	call	unpack
	mv	s2, a0
	mv	s3, a1
	mv	a0, s1
	call	unpack
	sltu	a2, s2, a0
	sub	a1, s3, a1
	sub	a1, a1, a2
	sll	a2, s2, a2
	sub	a2, a2, a0
	slli	a2, a2, 8
	divu	a3, a2, a0
	mul	a4, a3, a0
	sub	a2, a2, a4
	slli	a2, a2, 8
	divu	a4, a2, a0
	slli	a5, a4, 9
	slli	a3, a3, 17
	or	a3, a3, a5
	mul	a4, a4, a0
	sub	a2, a2, a4
	slli	a2, a2, 8
	divu	a4, a2, a0
	mul	a5, a4, a0
	sub	a2, a2, a5
	addi	a1, a1, 132
	slli	a2, a2, 1
	slli	a4, a4, 1
	or	a3, a3, a4
	sltu	a4, a2, a0
	xori	a4, a4, 1
	or	a3, a3, a4
	bgeu	a2, a0, .LBB7_14
	li	a0, 0
.LBB7_14:
	xor	a0, a2, a0
	snez	a0, a0
	or	a0, a3, a0
	lui	a2, 8192
	or	a2, a0, a2
	mv	a0, s0
	lw	ra, 28(sp)
	lw	s0, 24(sp)
	lw	s1, 20(sp)
	lw	s2, 16(sp)
	lw	s3, 12(sp)
	addi	sp, sp, 32
	tail	round_pack
.Lfunc_end7:
	.size	__divsf3, .Lfunc_end7-__divsf3

	.globl	__eqsf2
	.p2align	2
	.type	__eqsf2,@function
__eqsf2:
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
	.size	__eqsf2, .Lfunc_end8-__eqsf2

	.p2align	2
	.type	compare,@function
compare:
	lui	a2, 524288
	addi	a3, a2, -1
	and	a4, a0, a3
	lui	a5, 522240
	li	a2, 2
	bltu	a5, a4, .LBB9_6
	and	a3, a1, a3
	bltu	a5, a3, .LBB9_6
	bltz	a0, .LBB9_7
	bltz	a1, .LBB9_8
.LBB9_4:
	li	a2, -1
	blt	a0, a1, .LBB9_6
.LBB9_5:
	slt	a2, a1, a0
.LBB9_6:
	mv	a0, a2
	ret
.LBB9_7:
	neg	a0, a4
	bgez	a1, .LBB9_4
.LBB9_8:
	neg	a1, a3
	li	a2, -1
	bge	a0, a1, .LBB9_5
	j	.LBB9_6
.Lfunc_end9:
	.size	compare, .Lfunc_end9-compare

	.globl	__nesf2
	.p2align	2
	.type	__nesf2,@function
__nesf2:
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
	.size	__nesf2, .Lfunc_end10-__nesf2

	.globl	__ltsf2
	.p2align	2
	.type	__ltsf2,@function
__ltsf2:
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
	.size	__ltsf2, .Lfunc_end11-__ltsf2

	.globl	__lesf2
	.p2align	2
	.type	__lesf2,@function
__lesf2:
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
	.size	__lesf2, .Lfunc_end12-__lesf2

	.globl	__gtsf2
	.p2align	2
	.type	__gtsf2,@function
__gtsf2:
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
	.size	__gtsf2, .Lfunc_end13-__gtsf2

	.globl	__gesf2
	.p2align	2
	.type	__gesf2,@function
__gesf2:
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
	.size	__gesf2, .Lfunc_end14-__gesf2

	.globl	__unordsf2
	.p2align	2
	.type	__unordsf2,@function
__unordsf2:
	lui	a2, 524288
	addi	a2, a2, -1
	and	a0, a0, a2
	lui	a3, 522240
	sltu	a0, a3, a0
	and	a1, a1, a2
	sltu	a1, a3, a1
	or	a0, a0, a1
	ret
.Lfunc_end15:
	.size	__unordsf2, .Lfunc_end15-__unordsf2

	.globl	__fixsfsi
	.p2align	2
	.type	__fixsfsi,@function
__fixsfsi:
	lui	a1, 524288
	addi	a1, a1, -1
	and	a2, a0, a1
	lui	a3, 522240
	bltu	a3, a2, .LBB16_11
	slli	a1, a0, 1
	srli	a1, a1, 24
	li	a2, 127
	bgeu	a1, a2, .LBB16_3
	li	a0, 0
	ret
.LBB16_3:
	addi	a3, a1, -127
	li	a2, 31
	bltu	a3, a2, .LBB16_5
	srli	a0, a0, 31
	lui	a1, 524288
	addi	a1, a1, -1
	add	a0, a0, a1
	ret
.LBB16_5:
	slli	a2, a0, 9
	srli	a2, a2, 9
	lui	a4, 2048
	li	a5, 23
	or	a2, a2, a4
	bltu	a3, a5, .LBB16_8
	addi	a3, a1, -182
	bgez	a3, .LBB16_9
	addi	a1, a1, -150
	sll	a1, a2, a1
	bltz	a0, .LBB16_10
	j	.LBB16_11
.LBB16_8:
	li	a3, 118
	sub	a3, a3, a1
	bltz	a3, .LBB16_12
.LBB16_9:
	li	a1, 0
	bgez	a0, .LBB16_11
.LBB16_10:
	neg	a1, a1
.LBB16_11:
	mv	a0, a1
	ret
.LBB16_12:
	li	a3, 150
	sub	a1, a3, a1
	srl	a1, a2, a1
	bltz	a0, .LBB16_10
	j	.LBB16_11
.Lfunc_end16:
	.size	__fixsfsi, .Lfunc_end16-__fixsfsi

	.globl	__fixunssfsi
	.p2align	2
	.type	__fixunssfsi,@function
__fixunssfsi:
	mv	a1, a0
	slli	a2, a0, 1
	srli	a3, a2, 1
	lui	a4, 522240
	li	a0, -1
	bltu	a4, a3, .LBB17_8
	srli	a2, a2, 24
	slti	a0, a1, 0
	sltiu	a3, a2, 127
	or	a3, a0, a3
	li	a0, 0
	bnez	a3, .LBB17_8
	addi	a3, a2, -127
	li	a4, 31
	li	a0, -1
	bltu	a4, a3, .LBB17_8
	slli	a0, a1, 9
	srli	a0, a0, 9
	lui	a1, 2048
	li	a4, 23
	or	a0, a0, a1
	bltu	a3, a4, .LBB17_6
	addi	a1, a2, -182
	bgez	a1, .LBB17_7
	addi	a1, a2, -150
	sll	a0, a0, a1
	ret
.LBB17_6:
	li	a1, 118
	sub	a1, a1, a2
	bltz	a1, .LBB17_9
.LBB17_7:
	li	a0, 0
.LBB17_8:
	ret
.LBB17_9:
	li	a1, 150
	sub	a1, a1, a2
	srl	a0, a0, a1
	ret
.Lfunc_end17:
	.size	__fixunssfsi, .Lfunc_end17-__fixunssfsi

	.globl	__fixsfdi
	.p2align	2
	.type	__fixsfdi,@function
__fixsfdi:
	lui	a1, 524288
	addi	a1, a1, -1
	and	a3, a0, a1
	lui	a4, 522240
	li	a2, -1
	bltu	a4, a3, .LBB18_15
	slli	a1, a0, 1
	srli	a1, a1, 24
	li	a2, 127
	bgeu	a1, a2, .LBB18_3
	li	a1, 0
	li	a0, 0
	ret
.LBB18_3:
	addi	a2, a1, -127
	li	a3, 63
	bltu	a2, a3, .LBB18_5
	slti	a0, a0, 0
	xori	a0, a0, 1
	lui	a1, 524288
	sub	a1, a1, a0
	neg	a0, a0
	ret
.LBB18_5:
	slli	a3, a0, 9
	srli	a3, a3, 9
	lui	a4, 2048
	li	a5, 23
	or	a3, a3, a4
	bltu	a2, a5, .LBB18_8
	addi	a4, a1, -182
	bltz	a4, .LBB18_10
	li	a2, 0
	sll	a1, a3, a4
	j	.LBB18_13
.LBB18_8:
	li	a2, 118
	sub	a2, a2, a1
	bltz	a2, .LBB18_11
	li	a2, 0
	j	.LBB18_12
.LBB18_10:
	addi	a2, a1, -150
	srli	a1, a3, 1
	xori	a4, a2, 31
	srl	a1, a1, a4
	sll	a2, a3, a2
	j	.LBB18_13
.LBB18_11:
	li	a2, 150
	sub	a1, a2, a1
	srl	a2, a3, a1
.LBB18_12:
	li	a1, 0
.LBB18_13:
	bgez	a0, .LBB18_15
	snez	a0, a2
	add	a0, a1, a0
	neg	a1, a0
	neg	a2, a2
.LBB18_15:
	mv	a0, a2
	ret
.Lfunc_end18:
	.size	__fixsfdi, .Lfunc_end18-__fixsfdi

	.globl	__fixunssfdi
	.p2align	2
	.type	__fixunssfdi,@function
__fixunssfdi:
	mv	a2, a0
	slli	a3, a0, 1
	srli	a4, a3, 1
	li	a0, -1
	lui	a5, 522240
	li	a1, -1
	bltu	a5, a4, .LBB19_5
	srli	a3, a3, 24
	slti	a0, a2, 0
	sltiu	a1, a3, 127
	or	a0, a0, a1
	beqz	a0, .LBB19_4
.LBB19_2:
	li	a0, 0
.LBB19_3:
	li	a1, 0
	j	.LBB19_5
.LBB19_4:
	addi	a4, a3, -127
	li	a0, -1
	li	a5, 63
	li	a1, -1
	bgeu	a5, a4, .LBB19_6
.LBB19_5:
	ret
.LBB19_6:
	slli	a0, a2, 9
	srli	a0, a0, 9
	lui	a1, 2048
	li	a5, 23
	or	a2, a0, a1
	bltu	a4, a5, .LBB19_9
	addi	a1, a3, -182
	bltz	a1, .LBB19_11
	li	a0, 0
	sll	a1, a2, a1
	ret
.LBB19_9:
	li	a0, 118
	sub	a0, a0, a3
	bgez	a0, .LBB19_2
	li	a0, 150
	sub	a0, a0, a3
	srl	a0, a2, a0
	j	.LBB19_3
.LBB19_11:
	addi	a0, a3, -150
	srli	a1, a2, 1
	xori	a3, a0, 31
	srl	a1, a1, a3
	sll	a0, a2, a0
	ret
.Lfunc_end19:
	.size	__fixunssfdi, .Lfunc_end19-__fixunssfdi

	.globl	__floatsisf
	.p2align	2
	.type	__floatsisf,@function
__floatsisf:
	srai	a1, a0, 31
	xor	a2, a0, a1
	sub	a1, a2, a1
	lui	a2, 524288
	and	a0, a0, a2
	li	a2, 0
	tail	from_integer
.Lfunc_end20:
	.size	__floatsisf, .Lfunc_end20-__floatsisf

	.p2align	2
	.type	from_integer,@function
from_integer:
	mv	a3, a1
	or	a1, a1, a2
	beqz	a1, .LBB21_4
	beqz	a2, .LBB21_5
	srli	a1, a2, 16
	seqz	a4, a1
	beqz	a1, .LBB21_6
	mv	a1, a2
	j	.LBB21_7
.LBB21_4:
	li	a0, 0
	ret
.LBB21_5:
	li	a1, 157
	mv	a2, a3
	tail	round_pack
.LBB21_6:
	slli	a1, a2, 16
.LBB21_7:
	srli	a5, a1, 24
	slli	a4, a4, 4
	beqz	a5, .LBB21_14
	srli	a5, a1, 28
	beqz	a5, .LBB21_15
.LBB21_9:
	srli	a5, a1, 30
	bnez	a5, .LBB21_11
.LBB21_10:
	ori	a4, a4, 2
	slli	a1, a1, 2
.LBB21_11:
	not	a1, a1
	srli	a1, a1, 31
	add	a1, a4, a1
	neg	a4, a1
	bltz	a4, .LBB21_16
	srl	a4, a2, a4
	addi	a5, a1, 32
	bgez	a1, .LBB21_17
.LBB21_13:
	sll	a2, a2, a5
	xori	a6, a5, 31
	srli	a7, a3, 1
	srl	a6, a7, a6
	or	a2, a2, a6
	bltz	a1, .LBB21_18
	j	.LBB21_19
.LBB21_14:
	ori	a4, a4, 8
	slli	a1, a1, 8
	srli	a5, a1, 28
	bnez	a5, .LBB21_9
.LBB21_15:
	ori	a4, a4, 4
	slli	a1, a1, 4
	srli	a5, a1, 30
	beqz	a5, .LBB21_10
	j	.LBB21_11
.LBB21_16:
	li	a4, 32
	sub	a4, a4, a1
	neg	a5, a1
	srl	a5, a3, a5
	xori	a4, a4, 31
	slli	a6, a2, 1
	sll	a4, a6, a4
	or	a4, a5, a4
	addi	a5, a1, 32
	bltz	a1, .LBB21_13
.LBB21_17:
	sll	a2, a3, a1
	bgez	a1, .LBB21_19
.LBB21_18:
	sll	a3, a3, a5
	or	a2, a2, a3
.LBB21_19:
	snez	a2, a2
	or	a2, a2, a4
	li	a3, 189
	sub	a1, a3, a1
	tail	round_pack
.Lfunc_end21:
	.size	from_integer, .Lfunc_end21-from_integer

	.globl	__floatunsisf
	.p2align	2
	.type	__floatunsisf,@function
__floatunsisf:
	mv	a1, a0
	li	a0, 0
	li	a2, 0
	tail	from_integer
.Lfunc_end22:
	.size	__floatunsisf, .Lfunc_end22-__floatunsisf

	.globl	__floatdisf
	.p2align	2
	.type	__floatdisf,@function
__floatdisf:
	mv	a2, a1
	mv	a3, a0
	bltz	a1, .LBB23_2
	li	a0, 0
	mv	a1, a3
	tail	from_integer
.LBB23_2:
	neg	a1, a3
	snez	a0, a3
	add	a0, a2, a0
	neg	a2, a0
	lui	a0, 524288
	tail	from_integer
.Lfunc_end23:
	.size	__floatdisf, .Lfunc_end23-__floatdisf

	.globl	__floatundisf
	.p2align	2
	.type	__floatundisf,@function
__floatundisf:
	mv	a2, a1
	mv	a1, a0
	li	a0, 0
	tail	from_integer
.Lfunc_end24:
	.size	__floatundisf, .Lfunc_end24-__floatundisf

	.globl	__truncdfsf2
	.p2align	2
	.type	__truncdfsf2,@function
__truncdfsf2:
	slli	a2, a1, 1
	srli	a3, a2, 1
	lui	a4, 524032
	mv	a2, a0
	beq	a3, a4, .LBB25_2
	sltu	a4, a4, a3
	lui	a0, 523264
	beqz	a4, .LBB25_3
	j	.LBB25_7
.LBB25_2:
	snez	a4, a2
	lui	a0, 523264
	bnez	a4, .LBB25_7
.LBB25_3:
	lui	a0, 524288
	lui	a4, 524032
	xor	a4, a3, a4
	or	a4, a2, a4
	and	a0, a1, a0
	bnez	a4, .LBB25_5
	lui	a1, 522240
	or	a0, a0, a1
	ret
.LBB25_5:
	srli	a3, a3, 20
	beqz	a3, .LBB25_7
	srli	a4, a2, 22
	slli	a1, a1, 10
	or	a1, a4, a1
	slli	a1, a1, 2
	srli	a1, a1, 2
	slli	a2, a2, 10
	srli	a2, a2, 10
	snez	a2, a2
	or	a1, a1, a2
	lui	a2, 262144
	or	a2, a1, a2
	addi	a1, a3, -896
	tail	round_pack
.LBB25_7:
	ret
.Lfunc_end25:
	.size	__truncdfsf2, .Lfunc_end25-__truncdfsf2

	.section	".note.GNU-stack","",@progbits
