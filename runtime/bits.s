	.text
	.globl	__clzsi2
	.p2align	2
	.type	__clzsi2,@function
__clzsi2:
	beqz	a0, .LBB0_8
	srli	a2, a0, 16
	seqz	a1, a2
	bnez	a2, .LBB0_3
	slli	a0, a0, 16
.LBB0_3:
	srli	a2, a0, 24
	slli	a1, a1, 4
	beqz	a2, .LBB0_9
	srli	a2, a0, 28
	beqz	a2, .LBB0_10
.LBB0_5:
	srli	a2, a0, 30
	bnez	a2, .LBB0_7
.LBB0_6:
	ori	a1, a1, 2
	slli	a0, a0, 2
.LBB0_7:
	not	a0, a0
	srli	a0, a0, 31
	add	a0, a1, a0
	ret
.LBB0_8:
	li	a0, 32
	ret
.LBB0_9:
	ori	a1, a1, 8
	slli	a0, a0, 8
	srli	a2, a0, 28
	bnez	a2, .LBB0_5
.LBB0_10:
	ori	a1, a1, 4
	slli	a0, a0, 4
	srli	a2, a0, 30
	beqz	a2, .LBB0_6
	j	.LBB0_7
.Lfunc_end0:
	.size	__clzsi2, .Lfunc_end0-__clzsi2

	.globl	__ctzsi2
	.p2align	2
	.type	__ctzsi2,@function
__ctzsi2:
	beqz	a0, .LBB1_9
	slli	a1, a0, 16
	srli	a2, a1, 16
	seqz	a1, a2
	bnez	a2, .LBB1_3
	srli	a0, a0, 16
.LBB1_3:
	andi	a2, a0, 255
	slli	a1, a1, 4
	beqz	a2, .LBB1_10
	andi	a2, a0, 15
	beqz	a2, .LBB1_11
.LBB1_5:
	andi	a2, a0, 3
	beqz	a2, .LBB1_12
.LBB1_6:
	not	a0, a0
	bnez	a2, .LBB1_8
.LBB1_7:
	ori	a1, a1, 2
.LBB1_8:
	andi	a0, a0, 1
	add	a0, a0, a1
	ret
.LBB1_9:
	li	a0, 32
	ret
.LBB1_10:
	ori	a1, a1, 8
	srli	a0, a0, 8
	andi	a2, a0, 15
	bnez	a2, .LBB1_5
.LBB1_11:
	ori	a1, a1, 4
	srli	a0, a0, 4
	andi	a2, a0, 3
	bnez	a2, .LBB1_6
.LBB1_12:
	srli	a0, a0, 2
	not	a0, a0
	beqz	a2, .LBB1_7
	j	.LBB1_8
.Lfunc_end1:
	.size	__ctzsi2, .Lfunc_end1-__ctzsi2

	.globl	__popcountsi2
	.p2align	2
	.type	__popcountsi2,@function
__popcountsi2:
	srli	a1, a0, 1
	lui	a2, 349525
	addi	a2, a2, 1365
	and	a1, a1, a2
	sub	a0, a0, a1
	lui	a1, 209715
	addi	a1, a1, 819
	and	a2, a0, a1
	srli	a0, a0, 2
	and	a0, a0, a1
	add	a0, a0, a2
	srli	a1, a0, 4
	add	a0, a1, a0
	lui	a1, 61681
	addi	a1, a1, -241
	and	a0, a0, a1
	lui	a1, 4112
	addi	a1, a1, 257
	mul	a0, a0, a1
	srli	a0, a0, 24
	ret
.Lfunc_end2:
	.size	__popcountsi2, .Lfunc_end2-__popcountsi2

	.globl	__clzdi2
	.p2align	2
	.type	__clzdi2,@function
__clzdi2:
	beqz	a1, .LBB3_8
	srli	a2, a1, 16
	seqz	a0, a2
	bnez	a2, .LBB3_3
	slli	a1, a1, 16
.LBB3_3:
	srli	a2, a1, 24
	slli	a0, a0, 4
	beqz	a2, .LBB3_16
	srli	a2, a1, 28
	beqz	a2, .LBB3_17
.LBB3_5:
	srli	a2, a1, 30
	bnez	a2, .LBB3_7
.LBB3_6:
	ori	a0, a0, 2
	slli	a1, a1, 2
.LBB3_7:
	not	a1, a1
	srli	a1, a1, 31
	add	a0, a0, a1
	ret
.LBB3_8:
	beqz	a0, .LBB3_18
	srli	a2, a0, 16
	seqz	a1, a2
	bnez	a2, .LBB3_11
	slli	a0, a0, 16
.LBB3_11:
	srli	a2, a0, 24
	slli	a1, a1, 4
	beqz	a2, .LBB3_19
	srli	a2, a0, 28
	beqz	a2, .LBB3_20
.LBB3_13:
	srli	a2, a0, 30
	bnez	a2, .LBB3_15
.LBB3_14:
	ori	a1, a1, 2
	slli	a0, a0, 2
.LBB3_15:
	not	a0, a0
	srli	a0, a0, 31
	add	a0, a1, a0
	addi	a0, a0, 32
	ret
.LBB3_16:
	ori	a0, a0, 8
	slli	a1, a1, 8
	srli	a2, a1, 28
	bnez	a2, .LBB3_5
.LBB3_17:
	ori	a0, a0, 4
	slli	a1, a1, 4
	srli	a2, a1, 30
	beqz	a2, .LBB3_6
	j	.LBB3_7
.LBB3_18:
	li	a0, 64
	ret
.LBB3_19:
	ori	a1, a1, 8
	slli	a0, a0, 8
	srli	a2, a0, 28
	bnez	a2, .LBB3_13
.LBB3_20:
	ori	a1, a1, 4
	slli	a0, a0, 4
	srli	a2, a0, 30
	beqz	a2, .LBB3_14
	j	.LBB3_15
.Lfunc_end3:
	.size	__clzdi2, .Lfunc_end3-__clzdi2

	.globl	__ctzdi2
	.p2align	2
	.type	__ctzdi2,@function
__ctzdi2:
	beqz	a0, .LBB4_9
	slli	a1, a0, 16
	srli	a2, a1, 16
	seqz	a1, a2
	bnez	a2, .LBB4_3
	srli	a0, a0, 16
.LBB4_3:
	andi	a2, a0, 255
	slli	a1, a1, 4
	beqz	a2, .LBB4_18
	andi	a2, a0, 15
	beqz	a2, .LBB4_19
.LBB4_5:
	andi	a2, a0, 3
	beqz	a2, .LBB4_20
.LBB4_6:
	not	a0, a0
	bnez	a2, .LBB4_8
.LBB4_7:
	ori	a1, a1, 2
.LBB4_8:
	andi	a0, a0, 1
	add	a0, a0, a1
	ret
.LBB4_9:
	beqz	a1, .LBB4_21
	slli	a0, a1, 16
	srli	a2, a0, 16
	seqz	a0, a2
	bnez	a2, .LBB4_12
	srli	a1, a1, 16
.LBB4_12:
	andi	a2, a1, 255
	slli	a0, a0, 4
	beqz	a2, .LBB4_22
	andi	a2, a1, 15
	beqz	a2, .LBB4_23
.LBB4_14:
	andi	a2, a1, 3
	beqz	a2, .LBB4_24
.LBB4_15:
	not	a1, a1
	bnez	a2, .LBB4_17
.LBB4_16:
	ori	a0, a0, 2
.LBB4_17:
	andi	a1, a1, 1
	add	a0, a0, a1
	addi	a0, a0, 32
	ret
.LBB4_18:
	ori	a1, a1, 8
	srli	a0, a0, 8
	andi	a2, a0, 15
	bnez	a2, .LBB4_5
.LBB4_19:
	ori	a1, a1, 4
	srli	a0, a0, 4
	andi	a2, a0, 3
	bnez	a2, .LBB4_6
.LBB4_20:
	srli	a0, a0, 2
	not	a0, a0
	beqz	a2, .LBB4_7
	j	.LBB4_8
.LBB4_21:
	li	a0, 64
	ret
.LBB4_22:
	ori	a0, a0, 8
	srli	a1, a1, 8
	andi	a2, a1, 15
	bnez	a2, .LBB4_14
.LBB4_23:
	ori	a0, a0, 4
	srli	a1, a1, 4
	andi	a2, a1, 3
	bnez	a2, .LBB4_15
.LBB4_24:
	srli	a1, a1, 2
	not	a1, a1
	beqz	a2, .LBB4_16
	j	.LBB4_17
.Lfunc_end4:
	.size	__ctzdi2, .Lfunc_end4-__ctzdi2

	.globl	__popcountdi2
	.p2align	2
	.type	__popcountdi2,@function
__popcountdi2:
	srli	a2, a0, 1
	lui	a3, 349525
	addi	a3, a3, 1365
	and	a2, a2, a3
	sub	a0, a0, a2
	lui	a2, 209715
	addi	a2, a2, 819
	and	a4, a0, a2
	srli	a0, a0, 2
	and	a0, a0, a2
	add	a0, a0, a4
	srli	a4, a0, 4
	add	a0, a4, a0
	lui	a4, 61681
	addi	a4, a4, -241
	and	a0, a0, a4
	lui	a5, 4112
	addi	a5, a5, 257
	mul	a0, a0, a5
	srli	a0, a0, 24
	srli	a6, a1, 1
	and	a3, a6, a3
	sub	a1, a1, a3
	and	a3, a1, a2
	srli	a1, a1, 2
	and	a1, a1, a2
	add	a1, a1, a3
	srli	a2, a1, 4
	add	a1, a2, a1
	and	a1, a1, a4
	mul	a1, a1, a5
	srli	a1, a1, 24
	add	a0, a1, a0
	ret
.Lfunc_end5:
	.size	__popcountdi2, .Lfunc_end5-__popcountdi2

	.globl	__bswapsi2
	.p2align	2
	.type	__bswapsi2,@function
__bswapsi2:
	srli	a1, a0, 8
	lui	a2, 16
	addi	a2, a2, -256
	and	a1, a1, a2
	srli	a2, a0, 24
	or	a1, a1, a2
	slli	a2, a0, 8
	lui	a3, 4080
	and	a2, a2, a3
	slli	a0, a0, 24
	or	a0, a0, a2
	or	a0, a0, a1
	ret
.Lfunc_end6:
	.size	__bswapsi2, .Lfunc_end6-__bswapsi2

	.globl	__bswapdi2
	.p2align	2
	.type	__bswapdi2,@function
__bswapdi2:
	srli	a2, a1, 8
	lui	a3, 16
	addi	a3, a3, -256
	and	a2, a2, a3
	srli	a4, a1, 24
	or	a2, a2, a4
	slli	a4, a1, 8
	lui	a5, 4080
	and	a4, a4, a5
	slli	a1, a1, 24
	or	a1, a1, a4
	or	a2, a1, a2
	srli	a1, a0, 8
	and	a1, a1, a3
	srli	a3, a0, 24
	or	a1, a1, a3
	slli	a3, a0, 8
	and	a3, a3, a5
	slli	a0, a0, 24
	or	a0, a0, a3
	or	a1, a0, a1
	mv	a0, a2
	ret
.Lfunc_end7:
	.size	__bswapdi2, .Lfunc_end7-__bswapdi2

	.section	".note.GNU-stack","",@progbits
