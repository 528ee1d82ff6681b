	.file	"scores.c"
	.option nopic
	.attribute arch, "rv32i2p1_m2p0"
	.attribute unaligned_access, 0
	.attribute stack_align, 16
	.text
.Ltext0:
	.cfi_sections	.debug_frame
	.file 0 "/home/learner" "scores.c"
	.section	.text.startup,"ax",@progbits
	.align	2
	.globl	main
	.type	main, @function
main:
.LFB1:
	.file 1 "scores.c"
	.loc 1 14 16
	.cfi_startproc
	.loc 1 15 5
.LVL0:
	.loc 1 16 5
.LBB7:
	.loc 1 16 10
	.loc 1 16 23
	lui	t3,%hi(total)
	lui	a4,%hi(.LANCHOR0)
	lw	a2,%lo(total)(t3)
	lw	a1,%lo(total+4)(t3)
	addi	a4,a4,%lo(.LANCHOR0)
	addi	t1,a4,64
.LBE7:
	.loc 1 15 9 is_stmt 0
	li	a0,0
.LVL1:
.L3:
.LBB13:
.LBB8:
.LBB9:
.LBB10:
.LBB11:
	.loc 1 10 23 is_stmt 1
	.loc 1 10 33
	.loc 1 10 29
	.loc 1 10 23
	.loc 1 10 33
	.loc 1 10 52 is_stmt 0
	lw	a6,12(a4)
	lw	a3,8(a4)
	.loc 1 10 37
	lw	a7,4(a4)
	.loc 1 10 52
	slli	a5,a6,1
	slli	a3,a3,1
	.loc 1 10 37
	add	a3,a3,a7
.LVL2:
	.loc 1 10 29 is_stmt 1
	.loc 1 10 23
	.loc 1 10 33
	.loc 1 10 52 is_stmt 0
	add	a5,a5,a6
	.loc 1 10 37
	add	a5,a5,a3
.LVL3:
	.loc 1 10 29 is_stmt 1
	.loc 1 10 23
.LBE11:
	.loc 1 11 5
.LBE10:
.LBE9:
	.loc 1 18 9
	.loc 1 18 15 is_stmt 0
	add	a3,a2,a5
	srai	a6,a5,31
	sltu	a2,a3,a2
	add	a1,a1,a6
	add	a6,a2,a1
.LBE8:
	.loc 1 16 23
	addi	a4,a4,16
.LBB12:
	.loc 1 18 15
	mv	a2,a3
	mv	a1,a6
	.loc 1 19 9 is_stmt 1
	bge	a0,a5,.L2
	mv	a0,a5
.LVL4:
.L2:
.LBE12:
	.loc 1 16 29
	.loc 1 16 23
	bne	t1,a4,.L3
.LBE13:
	.loc 1 21 17 is_stmt 0
	li	a5,1000
.LVL5:
	mul	a0,a0,a5
.LVL6:
	sw	a3,%lo(total)(t3)
	sw	a6,%lo(total+4)(t3)
	.loc 1 21 5 is_stmt 1
	.loc 1 22 1 is_stmt 0
	add	a0,a0,a6
	ret
	.cfi_endproc
.LFE1:
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
	.text
.Letext0:
	.section	.debug_info,"",@progbits
.Ldebug_info0:
	.4byte	0x165
	.2byte	0x5
	.byte	0x1
	.byte	0x4
	.4byte	.Ldebug_abbrev0
	.byte	0x9
	.4byte	.LASF8
	.byte	0x1d
	.4byte	.LASF0
	.4byte	.LASF1
	.4byte	.LLRL7
	.4byte	0
	.4byte	.Ldebug_line0
	.byte	0xa
	.4byte	.LASF9
	.byte	0x10
	.byte	0x1
	.byte	0x3
	.byte	0x8
	.4byte	0x4d
	.byte	0xb
	.string	"id"
	.byte	0x1
	.byte	0x3
	.byte	0x16
	.4byte	0x52
	.byte	0
	.byte	0xc
	.4byte	.LASF2
	.byte	0x1
	.byte	0x3
	.byte	0x1e
	.4byte	0x59
	.byte	0x4
	.byte	0
	.byte	0xd
	.4byte	0x26
	.byte	0xe
	.byte	0x4
	.byte	0x5
	.string	"int"
	.byte	0x1
	.4byte	0x52
	.4byte	0x69
	.byte	0x2
	.4byte	0x69
	.byte	0x2
	.byte	0
	.byte	0x3
	.byte	0x4
	.byte	0x7
	.4byte	.LASF3
	.byte	0x1
	.4byte	0x26
	.4byte	0x80
	.byte	0x2
	.4byte	0x69
	.byte	0x3
	.byte	0
	.byte	0x4
	.4byte	.LASF4
	.byte	0x5
	.byte	0x10
	.4byte	0x70
	.byte	0x5
	.byte	0x3
	.4byte	class_list
	.byte	0x4
	.4byte	.LASF5
	.byte	0x6
	.byte	0xb
	.4byte	0xa2
	.byte	0x5
	.byte	0x3
	.4byte	total
	.byte	0x3
	.byte	0x8
	.byte	0x5
	.4byte	.LASF6
	.byte	0xf
	.4byte	.LASF10
	.byte	0x1
	.byte	0xe
	.byte	0x5
	.4byte	0x52
	.4byte	.LFB1
	.4byte	.LFE1-.LFB1
	.byte	0x1
	.byte	0x9c
	.4byte	0x130
	.byte	0x10
	.4byte	.LASF7
	.byte	0x1
	.byte	0xf
	.byte	0x9
	.4byte	0x52
	.4byte	.LLST0
	.byte	0x5
	.4byte	.LLRL1
	.byte	0x6
	.string	"i"
	.byte	0x10
	.byte	0xe
	.4byte	0x52
	.4byte	.LLST2
	.byte	0x5
	.4byte	.LLRL3
	.byte	0x6
	.string	"w"
	.byte	0x11
	.byte	0xd
	.4byte	0x52
	.4byte	.LLST4
	.byte	0x11
	.4byte	0x130
	.4byte	.LBB9
	.4byte	.LBE9-.LBB9
	.byte	0x1
	.byte	0x11
	.byte	0x11
	.byte	0x12
	.4byte	0x141
	.byte	0x7
	.4byte	0x14b
	.4byte	.LLST5
	.byte	0x13
	.4byte	0x156
	.4byte	.LBB11
	.4byte	.LBE11-.LBB11
	.byte	0x7
	.4byte	0x157
	.4byte	.LLST6
	.byte	0
	.byte	0
	.byte	0
	.byte	0
	.byte	0
	.byte	0x14
	.4byte	.LASF11
	.byte	0x1
	.byte	0x8
	.byte	0xc
	.4byte	0x52
	.byte	0x1
	.4byte	0x162
	.byte	0x15
	.string	"s"
	.byte	0x1
	.byte	0x8
	.byte	0x2b
	.4byte	0x162
	.byte	0x8
	.string	"sum"
	.byte	0x9
	.byte	0x9
	.4byte	0x52
	.byte	0x16
	.byte	0x8
	.string	"i"
	.byte	0xa
	.byte	0xe
	.4byte	0x52
	.byte	0
	.byte	0
	.byte	0x17
	.byte	0x4
	.4byte	0x4d
	.byte	0
	.section	.debug_abbrev,"",@progbits
.Ldebug_abbrev0:
	.byte	0x1
	.byte	0x1
	.byte	0x1
	.byte	0x49
	.byte	0x13
	.byte	0x1
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x2
	.byte	0x21
	.byte	0
	.byte	0x49
	.byte	0x13
	.byte	0x2f
	.byte	0xb
	.byte	0
	.byte	0
	.byte	0x3
	.byte	0x24
	.byte	0
	.byte	0xb
	.byte	0xb
	.byte	0x3e
	.byte	0xb
	.byte	0x3
	.byte	0xe
	.byte	0
	.byte	0
	.byte	0x4
	.byte	0x34
	.byte	0
	.byte	0x3
	.byte	0xe
	.byte	0x3a
	.byte	0x21
	.byte	0x1
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0x3f
	.byte	0x19
	.byte	0x2
	.byte	0x18
	.byte	0
	.byte	0
	.byte	0x5
	.byte	0xb
	.byte	0x1
	.byte	0x55
	.byte	0x17
	.byte	0
	.byte	0
	.byte	0x6
	.byte	0x34
	.byte	0
	.byte	0x3
	.byte	0x8
	.byte	0x3a
	.byte	0x21
	.byte	0x1
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0x2
	.byte	0x17
	.byte	0
	.byte	0
	.byte	0x7
	.byte	0x34
	.byte	0
	.byte	0x31
	.byte	0x13
	.byte	0x2
	.byte	0x17
	.byte	0
	.byte	0
	.byte	0x8
	.byte	0x34
	.byte	0
	.byte	0x3
	.byte	0x8
	.byte	0x3a
	.byte	0x21
	.byte	0x1
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x9
	.byte	0x11
	.byte	0x1
	.byte	0x25
	.byte	0xe
	.byte	0x13
	.byte	0xb
	.byte	0x3
	.byte	0x1f
	.byte	0x1b
	.byte	0x1f
	.byte	0x55
	.byte	0x17
	.byte	0x11
	.byte	0x1
	.byte	0x10
	.byte	0x17
	.byte	0
	.byte	0
	.byte	0xa
	.byte	0x13
	.byte	0x1
	.byte	0x3
	.byte	0xe
	.byte	0xb
	.byte	0xb
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x1
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0xb
	.byte	0xd
	.byte	0
	.byte	0x3
	.byte	0x8
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0x38
	.byte	0xb
	.byte	0
	.byte	0
	.byte	0xc
	.byte	0xd
	.byte	0
	.byte	0x3
	.byte	0xe
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0x38
	.byte	0xb
	.byte	0
	.byte	0
	.byte	0xd
	.byte	0x26
	.byte	0
	.byte	0x49
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0xe
	.byte	0x24
	.byte	0
	.byte	0xb
	.byte	0xb
	.byte	0x3e
	.byte	0xb
	.byte	0x3
	.byte	0x8
	.byte	0
	.byte	0
	.byte	0xf
	.byte	0x2e
	.byte	0x1
	.byte	0x3f
	.byte	0x19
	.byte	0x3
	.byte	0xe
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x27
	.byte	0x19
	.byte	0x49
	.byte	0x13
	.byte	0x11
	.byte	0x1
	.byte	0x12
	.byte	0x6
	.byte	0x40
	.byte	0x18
	.byte	0x7a
	.byte	0x19
	.byte	0x1
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x10
	.byte	0x34
	.byte	0
	.byte	0x3
	.byte	0xe
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0x2
	.byte	0x17
	.byte	0
	.byte	0
	.byte	0x11
	.byte	0x1d
	.byte	0x1
	.byte	0x31
	.byte	0x13
	.byte	0x11
	.byte	0x1
	.byte	0x12
	.byte	0x6
	.byte	0x58
	.byte	0xb
	.byte	0x59
	.byte	0xb
	.byte	0x57
	.byte	0xb
	.byte	0
	.byte	0
	.byte	0x12
	.byte	0x5
	.byte	0
	.byte	0x31
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x13
	.byte	0xb
	.byte	0x1
	.byte	0x31
	.byte	0x13
	.byte	0x11
	.byte	0x1
	.byte	0x12
	.byte	0x6
	.byte	0
	.byte	0
	.byte	0x14
	.byte	0x2e
	.byte	0x1
	.byte	0x3
	.byte	0xe
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x27
	.byte	0x19
	.byte	0x49
	.byte	0x13
	.byte	0x20
	.byte	0xb
	.byte	0x1
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x15
	.byte	0x5
	.byte	0
	.byte	0x3
	.byte	0x8
	.byte	0x3a
	.byte	0xb
	.byte	0x3b
	.byte	0xb
	.byte	0x39
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0x16
	.byte	0xb
	.byte	0x1
	.byte	0
	.byte	0
	.byte	0x17
	.byte	0xf
	.byte	0
	.byte	0xb
	.byte	0xb
	.byte	0x49
	.byte	0x13
	.byte	0
	.byte	0
	.byte	0
	.section	.debug_loclists,"",@progbits
	.4byte	.Ldebug_loc3-.Ldebug_loc2
.Ldebug_loc2:
	.2byte	0x5
	.byte	0x4
	.byte	0
	.4byte	0
.Ldebug_loc0:
.LLST0:
	.byte	0x7
	.4byte	.LVL0
	.4byte	.LVL1
	.byte	0x2
	.byte	0x30
	.byte	0x9f
	.byte	0x7
	.4byte	.LVL1
	.4byte	.LVL6
	.byte	0x1
	.byte	0x5a
	.byte	0
.LLST2:
	.byte	0x7
	.4byte	.LVL0
	.4byte	.LVL1
	.byte	0x2
	.byte	0x30
	.byte	0x9f
	.byte	0
.LLST4:
	.byte	0x7
	.4byte	.LVL3
	.4byte	.LVL5
	.byte	0x1
	.byte	0x5f
	.byte	0x7
	.4byte	.LVL5
	.4byte	.LFE1
	.byte	0xf
	.byte	0x7e
	.byte	0x7c
	.byte	0x6
	.byte	0x33
	.byte	0x1e
	.byte	0x7e
	.byte	0x78
	.byte	0x6
	.byte	0x31
	.byte	0x24
	.byte	0x81
	.byte	0
	.byte	0x22
	.byte	0x22
	.byte	0x9f
	.byte	0
.LLST5:
	.byte	0x7
	.4byte	.LVL1
	.4byte	.LVL2
	.byte	0x2
	.byte	0x7e
	.byte	0x4
	.byte	0x7
	.4byte	.LVL2
	.4byte	.LVL3
	.byte	0x1
	.byte	0x5d
	.byte	0
.LLST6:
	.byte	0x7
	.4byte	.LVL1
	.4byte	.LVL2
	.byte	0x2
	.byte	0x31
	.byte	0x9f
	.byte	0x7
	.4byte	.LVL2
	.4byte	.LVL3
	.byte	0x2
	.byte	0x32
	.byte	0x9f
	.byte	0
.Ldebug_loc3:
	.section	.debug_aranges,"",@progbits
	.4byte	0x1c
	.2byte	0x2
	.4byte	.Ldebug_info0
	.byte	0x4
	.byte	0
	.2byte	0
	.2byte	0
	.4byte	.LFB1
	.4byte	.LFE1-.LFB1
	.4byte	0
	.4byte	0
	.section	.debug_rnglists,"",@progbits
.Ldebug_ranges0:
	.4byte	.Ldebug_ranges3-.Ldebug_ranges2
.Ldebug_ranges2:
	.2byte	0x5
	.byte	0x4
	.byte	0
	.4byte	0
.LLRL1:
	.byte	0x6
	.4byte	.LBB7
	.4byte	.LBE7
	.byte	0x6
	.4byte	.LBB13
	.4byte	.LBE13
	.byte	0
.LLRL3:
	.byte	0x6
	.4byte	.LBB8
	.4byte	.LBE8
	.byte	0x6
	.4byte	.LBB12
	.4byte	.LBE12
	.byte	0
.LLRL7:
	.byte	0x6
	.4byte	.LFB1
	.4byte	.LFE1
	.byte	0
.Ldebug_ranges3:
	.section	.debug_line,"",@progbits
.Ldebug_line0:
	.section	.debug_str,"MS",@progbits,1
.LASF3:
	.string	"unsigned int"
.LASF9:
	.string	"student"
.LASF8:
	.string	"GNU C17 12.2.0 -mabi=ilp32 -march=rv32im -g -O2"
.LASF4:
	.string	"class_list"
.LASF7:
	.string	"best"
.LASF10:
	.string	"main"
.LASF5:
	.string	"total"
.LASF11:
	.string	"weighted"
.LASF2:
	.string	"marks"
.LASF6:
	.string	"long long int"
	.section	.debug_line_str,"MS",@progbits,1
.LASF0:
	.string	"scores.c"
.LASF1:
	.string	"/home/learner"
	.ident	"GCC: (12.2.0-14+deb12u1+11+b2) 12.2.0"
