	.file	"scores.c"
	.option nopic
	.attribute arch, "rv32i2p1_m2p0"
	.attribute unaligned_access, 0
	.attribute stack_align, 16
	.text
	.section	.text.startup,"ax",@progbits
	.align	2
	.globl	main
	.type	main, @function
main:
	lui	t3,%hi(total)
	lui	a4,%hi(.LANCHOR0)
	lw	a2,%lo(total)(t3)
	lw	a1,%lo(total+4)(t3)
	addi	a4,a4,%lo(.LANCHOR0)
	addi	t1,a4,64
	li	a0,0
.L3:
	lw	a6,12(a4)
	lw	a3,8(a4)
	lw	a7,4(a4)
	slli	a5,a6,1
	slli	a3,a3,1
	add	a3,a3,a7
	add	a5,a5,a6
	add	a5,a5,a3
	add	a3,a2,a5
	srai	a6,a5,31
	sltu	a2,a3,a2
	add	a1,a1,a6
	add	a6,a2,a1
	addi	a4,a4,16
	mv	a2,a3
	mv	a1,a6
	bge	a0,a5,.L2
	mv	a0,a5
.L2:
	bne	t1,a4,.L3
	li	a5,1000
	mul	a0,a0,a5
	sw	a3,%lo(total)(t3)
	sw	a6,%lo(total+4)(t3)
	add	a0,a0,a6
	ret
	.size	main, .-main
	.globl	total
	.globl	class_list
	.data
	.align	2
	.set	.LANCHOR0,. + 0
	.type	class_list, @object
	.size	class_list, 64
class_list:
	.word	1
	.word	70
	.word	80
	.word	90
	.word	2
	.word	55
	.word	65
	.word	75
	.word	3
	.word	90
	.word	95
	.word	100
	.word	4
	.word	40
	.word	50
	.word	60
	.section	.sdata,"aw"
	.align	3
	.type	total, @object
	.size	total, 8
total:
	.word	705032704
	.word	1
	.ident	"GCC: (12.2.0-14+deb12u1+11+b2) 12.2.0"
