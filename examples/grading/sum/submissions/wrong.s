# Adds the first word before it tests the count: an empty array sums to 3.
    .text
sum:
    li t0, 0
sum_loop:
    lw t1, 0(a0)
    add t0, t0, t1
    addi a0, a0, 4
    addi a1, a1, -1
    bgtz a1, sum_loop
    mv a0, t0
    ret
