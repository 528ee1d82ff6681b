	.text
	.globl	__mulsi3
	.p2align	2
	.type	__mulsi3,@function
__mulsi3:
	mul	a0, a1, a0
	ret
.Lfunc_end0:
	.size	__mulsi3, .Lfunc_end0-__mulsi3

	.globl	__muldi3
	.p2align	2
	.type	__muldi3,@function
__muldi3:
	mul	a4, a2, a0
	mulhu	a5, a2, a0
	mul	a0, a3, a0
	mul	a1, a1, a2
	add	a0, a0, a1
	add	a1, a0, a5
	mv	a0, a4
	ret
.Lfunc_end1:
	.size	__muldi3, .Lfunc_end1-__muldi3

	.section	".note.GNU-stack","",@progbits
