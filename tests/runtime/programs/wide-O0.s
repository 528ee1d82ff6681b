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
	addi	sp, sp, -176
	sw	ra, 172(sp)
	sw	s0, 168(sp)
	addi	s0, sp, 176
	li	a0, 0
	sw	a0, -12(s0)
	sw	a0, -20(s0)
	sw	a0, -24(s0)
	sw	a0, -28(s0)
	j	.LBB0_1
.LBB0_1:
	lw	a1, -28(s0)
	li	a0, 5
	blt	a0, a1, .LBB0_12
	j	.LBB0_2
.LBB0_2:
	li	a0, 0
	sw	a0, -32(s0)
	j	.LBB0_3
.LBB0_3:
	lw	a1, -32(s0)
	li	a0, 5
	blt	a0, a1, .LBB0_10
	j	.LBB0_4
.LBB0_4:
	lw	a0, -32(s0)
	slli	a1, a0, 3
	lui	a0, %hi(values)
	addi	a0, a0, %lo(values)
	add	a0, a0, a1
	lw	a1, 4(a0)
	lw	a0, 0(a0)
	or	a0, a0, a1
	li	a1, 0
	beq	a0, a1, .LBB0_7
	j	.LBB0_5
.LBB0_5:
	lw	a0, -32(s0)
	slli	a1, a0, 3
	lui	a0, %hi(values)
	addi	a0, a0, %lo(values)
	add	a0, a0, a1
	lw	a1, 4(a0)
	lw	a0, 0(a0)
	and	a0, a0, a1
	li	a1, -1
	bne	a0, a1, .LBB0_8
	j	.LBB0_6
.LBB0_6:
	lw	a0, -28(s0)
	li	a1, 3
	bne	a0, a1, .LBB0_8
	j	.LBB0_7
.LBB0_7:
	j	.LBB0_9
.LBB0_8:
	lw	a0, -28(s0)
	slli	a0, a0, 3
	lui	a1, %hi(values)
	addi	a2, a1, %lo(values)
	sw	a2, -52(s0)
	add	a1, a2, a0
	lw	a0, 0(a1)
	lw	a1, 4(a1)
	lw	a3, -32(s0)
	slli	a3, a3, 3
	add	a3, a2, a3
	lw	a2, 0(a3)
	lw	a3, 4(a3)
	call	__divdi3@plt
	lw	a2, -52(s0)
	sw	a0, -56(s0)
	mv	a4, a1
	lw	a1, -56(s0)
	lw	a3, -24(s0)
	lw	a0, -20(s0)
	add	a0, a0, a4
	add	a1, a3, a1
	sltu	a3, a1, a3
	add	a0, a0, a3
	sw	a1, -24(s0)
	sw	a0, -20(s0)
	lw	a0, -28(s0)
	slli	a0, a0, 3
	add	a1, a2, a0
	lw	a0, 0(a1)
	lw	a1, 4(a1)
	lw	a3, -32(s0)
	slli	a3, a3, 3
	add	a3, a2, a3
	lw	a2, 0(a3)
	lw	a3, 4(a3)
	call	__moddi3@plt
	mv	a4, a0
	mv	a3, a1
	lw	a1, -52(s0)
	lw	a2, -20(s0)
	lw	a0, -24(s0)
	xor	a0, a0, a4
	xor	a2, a2, a3
	sw	a2, -20(s0)
	sw	a0, -24(s0)
	lw	a0, -28(s0)
	slli	a0, a0, 3
	add	a0, a1, a0
	lw	a3, 4(a0)
	lw	a0, 0(a0)
	lw	a2, -32(s0)
	slli	a2, a2, 3
	add	a2, a1, a2
	lw	a1, 0(a2)
	lw	a2, 4(a2)
	mul	a4, a0, a2
	mulhu	a2, a0, a1
	add	a2, a2, a4
	mul	a3, a3, a1
	add	a3, a2, a3
	mul	a1, a0, a1
	lw	a2, -24(s0)
	lw	a0, -20(s0)
	add	a0, a0, a3
	add	a1, a2, a1
	sltu	a2, a1, a2
	add	a0, a0, a2
	sw	a1, -24(s0)
	sw	a0, -20(s0)
	j	.LBB0_9
.LBB0_9:
	lw	a0, -32(s0)
	addi	a0, a0, 1
	sw	a0, -32(s0)
	j	.LBB0_3
.LBB0_10:
	j	.LBB0_11
.LBB0_11:
	lw	a0, -28(s0)
	addi	a0, a0, 1
	sw	a0, -28(s0)
	j	.LBB0_1
.LBB0_12:
	lui	a1, %hi(big)
	sw	a1, -88(s0)
	lw	a0, %lo(big)(a1)
	sw	a0, -104(s0)
	lw	a1, %lo(big+4)(a1)
	sw	a1, -100(s0)
	lui	a2, 3
	addi	a2, a2, 57
	li	a3, 0
	sw	a3, -84(s0)
	call	__udivdi3@plt
	lw	a3, -84(s0)
	mv	a2, a0
	lw	a0, -104(s0)
	sw	a2, -92(s0)
	mv	a2, a1
	lw	a1, -100(s0)
	sw	a2, -96(s0)
	lui	a2, 24
	addi	a2, a2, 1687
	call	__umoddi3@plt
	lw	a2, -96(s0)
	lw	a4, -92(s0)
	mv	a3, a0
	lw	a0, -88(s0)
	mv	a5, a1
	lw	a1, -84(s0)
	add	a2, a2, a5
	add	a3, a4, a3
	sltu	a4, a3, a4
	add	a2, a2, a4
	sw	a3, -40(s0)
	sw	a2, -36(s0)
	lw	a3, %lo(big+4)(a0)
	sw	a3, -80(s0)
	lw	a2, %lo(big)(a0)
	lui	a0, %hi(shift)
	sw	a0, -76(s0)
	lw	a0, %lo(shift)(a0)
	sw	a0, -72(s0)
	srl	a2, a2, a0
	slli	a4, a3, 1
	xori	a5, a0, 31
	sll	a4, a4, a5
	or	a2, a2, a4
	addi	a0, a0, -32
	sw	a0, -68(s0)
	srl	a3, a3, a0
	sw	a3, -64(s0)
	sw	a2, -60(s0)
	blt	a0, a1, .LBB0_14
	lw	a0, -64(s0)
	sw	a0, -60(s0)
.LBB0_14:
	lw	a0, -68(s0)
	lw	a1, -84(s0)
	lw	a2, -80(s0)
	lw	a3, -72(s0)
	lw	a4, -60(s0)
	srl	a3, a2, a3
	lw	a2, -36(s0)
	sw	a2, -120(s0)
	lw	a5, -40(s0)
	add	a4, a5, a4
	sw	a4, -116(s0)
	sltu	a4, a4, a5
	sw	a4, -112(s0)
	add	a2, a2, a3
	sw	a2, -108(s0)
	blt	a0, a1, .LBB0_16
	lw	a0, -120(s0)
	sw	a0, -108(s0)
.LBB0_16:
	lw	a1, -84(s0)
	lw	a0, -76(s0)
	lw	a3, -116(s0)
	lw	a4, -112(s0)
	lw	a2, -108(s0)
	add	a2, a2, a4
	sw	a3, -40(s0)
	sw	a2, -36(s0)
	lw	a3, -24(s0)
	sw	a3, -140(s0)
	lw	a2, -20(s0)
	lw	a0, %lo(shift)(a0)
	addi	a5, a0, -20
	sw	a5, -136(s0)
	sll	a2, a2, a5
	srli	a4, a3, 1
	xori	a5, a5, 31
	srl	a4, a4, a5
	or	a2, a2, a4
	addi	a0, a0, -52
	sw	a0, -132(s0)
	sll	a3, a3, a0
	sw	a3, -128(s0)
	sw	a2, -124(s0)
	blt	a0, a1, .LBB0_18
	lw	a0, -128(s0)
	sw	a0, -124(s0)
.LBB0_18:
	lw	a0, -132(s0)
	lw	a1, -84(s0)
	lw	a2, -140(s0)
	lw	a3, -136(s0)
	lw	a5, -124(s0)
	sll	a3, a2, a3
	lw	a2, -40(s0)
	sw	a2, -152(s0)
	lw	a4, -36(s0)
	xor	a4, a4, a5
	sw	a4, -148(s0)
	xor	a2, a2, a3
	sw	a2, -144(s0)
	blt	a0, a1, .LBB0_20
	lw	a0, -152(s0)
	sw	a0, -144(s0)
.LBB0_20:
	lw	a1, -84(s0)
	lw	a0, -76(s0)
	lw	a2, -148(s0)
	lw	a3, -144(s0)
	sw	a3, -40(s0)
	sw	a2, -36(s0)
	lui	a2, %hi(values)
	addi	a2, a2, %lo(values)
	lw	a4, 28(a2)
	lw	a3, 24(a2)
	lw	a0, %lo(shift)(a0)
	addi	a2, a0, -30
	srl	a3, a3, a2
	slli	a5, a4, 1
	xori	a6, a2, 31
	sll	a5, a5, a6
	or	a3, a3, a5
	addi	a0, a0, -62
	sra	a5, a4, a0
	sw	a5, -168(s0)
	sra	a2, a4, a2
	srai	a4, a4, 31
	sw	a4, -164(s0)
	sw	a3, -160(s0)
	sw	a2, -156(s0)
	blt	a0, a1, .LBB0_22
	lw	a0, -164(s0)
	lw	a1, -168(s0)
	sw	a1, -160(s0)
	sw	a0, -156(s0)
.LBB0_22:
	lw	a0, -160(s0)
	lw	a1, -156(s0)
	sw	a1, -44(s0)
	sw	a0, -48(s0)
	lw	a1, -36(s0)
	lw	a0, -40(s0)
	xor	a0, a0, a1
	lw	a1, -44(s0)
	xor	a0, a0, a1
	lw	a1, -24(s0)
	xor	a0, a0, a1
	lw	ra, 172(sp)
	lw	s0, 168(sp)
	addi	sp, sp, 176
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
