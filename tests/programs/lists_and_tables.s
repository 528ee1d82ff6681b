# linked list, jump table, label differences
    .text
main:
    la t0, head
    li a0, 0
1:  lw t1, 0(t0)
    add a0, a0, t1
    lw t0, 4(t0)
    bnez t0, 1b
    la t2, jumps
    lw t3, 4(t2)
    jalr ra, 0(t3)
    la t0, lens
    lw a2, 0(t0)
    lh a3, 4(t0)
    lb a4, 6(t0)
    la t0, ptrs
    lw t1, 0(t0)
    lw a5, 0(t1)
    j done
done: j done
c0: li a1, 100
    ret
c1: li a1, 200
    ret
    .data
head: .word 3, n2
n3: .word 5, 0
n2: .word 4, n3
lens: .word end - start
      .half start - end
      .byte end - start - 20
      .byte 0
ptrs: .word head+8
    .section .rodata
jumps: .word c0, c1
start: .ascii "the quick brown fox jumps"
end:
