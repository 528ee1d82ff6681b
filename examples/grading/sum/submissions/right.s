# sum(a0: the address of the words, a1: how many): their sum in a0.
    .text
sum:
    li t0, 0
sum_loop:
    beqz a1, sum_done
    lw t1, 0(a0)
    add t0, t0, t1
    addi a0, a0, 4
    addi a1, a1, -1
    j sum_loop
sum_done:
    mv a0, t0
    ret
