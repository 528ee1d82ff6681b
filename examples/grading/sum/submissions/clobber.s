# Right sums, but in s1, which the caller expects back unchanged.
    .text
sum:
    li s1, 0
sum_loop:
    beqz a1, sum_done
    lw t1, 0(a0)
    add s1, s1, t1
    addi a0, a0, 4
    addi a1, a1, -1
    j sum_loop
sum_done:
    mv a0, s1
    ret
