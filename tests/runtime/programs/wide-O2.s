# Start-up for compiled C: a stack, a call of main, and an end to stop at.
    .text
    .globl _start
_start:
    la sp, stack_top     # the stack grows down from the end of its room
    call main            # main's result comes back in a0 (x10)
done:
    j done               # stop here with "break done"
    .data                # first in the data segment: an overflow leaves it
    .p2align 4           # the calling convention keeps sp a multiple of 16
stack:
    .space 4096
stack_top:
	.text
	.file	"wide.c"
	.globl	main
	.p2align	2
	.type	main,@function
main:
	addi	sp, sp, -128
	sw	ra, 124(sp)
	sw	s0, 120(sp)
	sw	s1, 116(sp)
	sw	s2, 112(sp)
	sw	s3, 108(sp)
	sw	s4, 104(sp)
	sw	s5, 100(sp)
	sw	s6, 96(sp)
	sw	s7, 92(sp)
	sw	s8, 88(sp)
	sw	s9, 84(sp)
	sw	s10, 80(sp)
	sw	s11, 76(sp)
	li	s3, 0
	li	s5, 0
	li	s10, 0
	lui	a0, %hi(values)
	lw	a2, %lo(values+4)(a0)
	lw	a3, %lo(values)(a0)
	addi	s6, a0, %lo(values)
	lw	a4, 12(s6)
	lw	a6, 8(s6)
	lw	a7, 20(s6)
	lw	a5, 16(s6)
	lw	a1, 28(s6)
	lw	t0, 24(s6)
	lw	a0, 36(s6)
	sw	a0, 72(sp)
	lw	s9, 32(s6)
	lw	a0, 44(s6)
	sw	a0, 68(sp)
	lw	s11, 40(s6)
	and	a0, a3, a2
	sw	a0, 64(sp)
	sw	a2, 28(sp)
	sw	a3, 24(sp)
	or	a0, a3, a2
	seqz	a0, a0
	sw	a0, 48(sp)
	li	s7, -1
	and	a0, a6, a4
	sw	a0, 60(sp)
	sw	a4, 20(sp)
	sw	a6, 12(sp)
	or	a0, a6, a4
	seqz	a0, a0
	sw	a0, 44(sp)
	and	a0, a5, a7
	sw	a0, 56(sp)
	sw	a5, 16(sp)
	sw	a7, 8(sp)
	or	a0, a5, a7
	seqz	a0, a0
	sw	a0, 40(sp)
	and	a0, t0, a1
	sw	a0, 52(sp)
	sw	a1, 32(sp)
	sw	t0, 4(sp)
	or	a0, t0, a1
	seqz	a0, a0
	sw	a0, 36(sp)
	j	.LBB0_2
.LBB0_1:
	addi	s3, s3, 8
	li	a0, 48
	beq	s3, a0, .LBB0_26
.LBB0_2:
	addi	a0, s3, -24
	seqz	s2, a0
	lw	a0, 64(sp)
	beq	a0, s7, .LBB0_4
	lw	a0, 48(sp)
	add	s8, s6, s3
	beqz	a0, .LBB0_5
	j	.LBB0_6
.LBB0_4:
	lw	a0, 48(sp)
	or	a0, a0, s2
	add	s8, s6, s3
	bnez	a0, .LBB0_6
.LBB0_5:
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	mv	s7, s6
	lw	s6, 24(sp)
	mv	a2, s6
	lw	s4, 28(sp)
	mv	a3, s4
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s4
	mulhu	a5, a0, s6
	add	a4, a5, a4
	mul	a1, a1, s6
	add	a1, a4, a1
	mul	a0, a0, s6
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s4
	mulhu	a3, s1, s6
	add	a2, a3, a2
	mul	a3, s0, s6
	add	a2, a2, a3
	mul	a3, s1, s6
	mv	s6, s7
	li	s7, -1
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
.LBB0_6:
	lw	a0, 60(sp)
	beq	a0, s7, .LBB0_8
	lw	a0, 44(sp)
	beqz	a0, .LBB0_9
	j	.LBB0_10
.LBB0_8:
	lw	a0, 44(sp)
	or	a0, a0, s2
	bnez	a0, .LBB0_10
.LBB0_9:
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	lw	s7, 12(sp)
	mv	a2, s7
	lw	s4, 20(sp)
	mv	a3, s4
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s4
	mulhu	a5, a0, s7
	add	a4, a5, a4
	mul	a1, a1, s7
	add	a1, a4, a1
	mul	a0, a0, s7
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s4
	mulhu	a3, s1, s7
	add	a2, a3, a2
	mul	a3, s0, s7
	add	a2, a2, a3
	mul	a3, s1, s7
	li	s7, -1
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
.LBB0_10:
	lw	a0, 56(sp)
	beq	a0, s7, .LBB0_12
	lw	a0, 40(sp)
	beqz	a0, .LBB0_13
	j	.LBB0_14
.LBB0_12:
	lw	a0, 40(sp)
	or	a0, a0, s2
	bnez	a0, .LBB0_14
.LBB0_13:
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	lw	s4, 16(sp)
	mv	a2, s4
	lw	s7, 8(sp)
	mv	a3, s7
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s7
	mulhu	a5, a0, s4
	add	a4, a5, a4
	mul	a1, a1, s4
	add	a1, a4, a1
	mul	a0, a0, s4
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s7
	li	s7, -1
	mulhu	a3, s1, s4
	add	a2, a3, a2
	mul	a3, s0, s4
	add	a2, a2, a3
	mul	a3, s1, s4
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
.LBB0_14:
	lw	a0, 52(sp)
	beq	a0, s7, .LBB0_16
	lw	a0, 36(sp)
	beqz	a0, .LBB0_17
	j	.LBB0_18
.LBB0_16:
	lw	a0, 36(sp)
	or	a0, a0, s2
	bnez	a0, .LBB0_18
.LBB0_17:
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	lw	s7, 4(sp)
	mv	a2, s7
	lw	s4, 32(sp)
	mv	a3, s4
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s4
	mulhu	a5, a0, s7
	add	a4, a5, a4
	mul	a1, a1, s7
	add	a1, a4, a1
	mul	a0, a0, s7
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s4
	mulhu	a3, s1, s7
	add	a2, a3, a2
	mul	a3, s0, s7
	add	a2, a2, a3
	mul	a3, s1, s7
	li	s7, -1
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
.LBB0_18:
	lw	a0, 72(sp)
	and	a1, s9, a0
	or	a0, s9, a0
	seqz	a0, a0
	bne	a1, s7, .LBB0_20
	or	a0, a0, s2
.LBB0_20:
	bnez	a0, .LBB0_22
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	mv	a2, s9
	lw	s4, 72(sp)
	mv	a3, s4
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s4
	mulhu	a5, a0, s9
	add	a4, a5, a4
	mul	a1, a1, s9
	add	a1, a4, a1
	mul	a0, a0, s9
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s4
	mulhu	a3, s1, s9
	add	a2, a3, a2
	mul	a3, s0, s9
	add	a2, a2, a3
	mul	a3, s1, s9
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
.LBB0_22:
	lw	a0, 68(sp)
	and	a1, s11, a0
	or	a0, s11, a0
	seqz	a0, a0
	bne	a1, s7, .LBB0_24
	or	a0, a0, s2
.LBB0_24:
	bnez	a0, .LBB0_1
	lw	s0, 4(s8)
	lw	s1, 0(s8)
	mv	a0, s1
	mv	a1, s0
	mv	a2, s11
	lw	s2, 68(sp)
	mv	a3, s2
	call	__divdi3@plt
	add	a2, a0, s5
	sltu	a3, a2, a0
	add	a4, a1, s10
	add	a3, a4, a3
	mul	a4, a0, s2
	mulhu	a5, a0, s11
	add	a4, a5, a4
	mul	a1, a1, s11
	add	a1, a4, a1
	mul	a0, a0, s11
	sub	a1, s0, a1
	sltu	a4, s1, a0
	sub	a1, a1, a4
	sub	a0, s1, a0
	xor	a1, a3, a1
	xor	a0, a2, a0
	mul	a2, s1, s2
	mulhu	a3, s1, s11
	add	a2, a3, a2
	mul	a3, s0, s11
	add	a2, a2, a3
	mul	a3, s1, s11
	add	s5, a0, a3
	sltu	a0, s5, a0
	add	a1, a1, a2
	add	s10, a1, a0
	j	.LBB0_1
.LBB0_26:
	lui	a0, %hi(big)
	lw	s2, %lo(big)(a0)
	lw	s1, %lo(big+4)(a0)
	lui	a0, 3
	addi	a2, a0, 57
	mv	a0, s2
	mv	a1, s1
	li	a3, 0
	call	__udivdi3@plt
	mv	s3, a0
	mv	s4, a1
	lui	a0, 24
	addi	a2, a0, 1687
	mv	a0, s2
	mv	a1, s1
	li	a3, 0
	call	__umoddi3@plt
	lui	a2, %hi(shift)
	lw	a4, %lo(shift)(a2)
	add	a1, s4, a1
	add	a3, s3, a0
	sltu	a5, a3, s3
	addi	a0, a4, -32
	add	a1, a1, a5
	bltz	a0, .LBB0_28
	srl	a0, s1, a0
	j	.LBB0_29
.LBB0_28:
	srl	a0, s2, a4
	xori	a5, a4, 31
	slli	a6, s1, 1
	sll	a5, a6, a5
	or	a0, a0, a5
	srl	a4, s1, a4
	add	a1, a1, a4
.LBB0_29:
	lw	a4, %lo(shift)(a2)
	add	a0, a3, a0
	sltu	a5, a0, a3
	addi	a6, a4, -52
	addi	a4, a4, -20
	bltz	a6, .LBB0_31
	sll	a3, s5, a6
	add	a1, a1, a5
	bltz	a6, .LBB0_32
	j	.LBB0_33
.LBB0_31:
	sll	a3, s10, a4
	srli	a7, s5, 1
	xori	t0, a4, 31
	srl	a7, a7, t0
	or	a3, a3, a7
	add	a1, a1, a5
	bgez	a6, .LBB0_33
.LBB0_32:
	sll	a4, s5, a4
	xor	a0, a0, a4
.LBB0_33:
	lw	a2, %lo(shift)(a2)
	addi	a4, a2, -62
	xor	a1, a3, a1
	bltz	a4, .LBB0_35
	lw	a2, 32(sp)
	srai	a2, a2, 31
	j	.LBB0_36
.LBB0_35:
	addi	a2, a2, -30
	lw	a3, 32(sp)
	sra	a2, a3, a2
.LBB0_36:
	xor	a0, a0, s5
	xor	a1, a1, a2
	xor	a0, a1, a0
	lw	ra, 124(sp)
	lw	s0, 120(sp)
	lw	s1, 116(sp)
	lw	s2, 112(sp)
	lw	s3, 108(sp)
	lw	s4, 104(sp)
	lw	s5, 100(sp)
	lw	s6, 96(sp)
	lw	s7, 92(sp)
	lw	s8, 88(sp)
	lw	s9, 84(sp)
	lw	s10, 80(sp)
	lw	s11, 76(sp)
	addi	sp, sp, 128
	ret
.Lfunc_end0:
	.size	main, .Lfunc_end0-main

	.type	values,@object
	.data
	.globl	values
	.p2align	3
values:
	.quad	5000000000
	.quad	-7
	.quad	123456789012345
	.quad	-9223372036854775808
	.quad	3
	.quad	-1000000007
	.size	values, 48

	.type	big,@object
	.section	.sdata,"aw",@progbits
	.globl	big
	.p2align	3
big:
	.quad	-81985529216486896
	.size	big, 8

	.type	shift,@object
	.globl	shift
	.p2align	2
shift:
	.word	37
	.size	shift, 4

	.section	".note.GNU-stack","",@progbits
