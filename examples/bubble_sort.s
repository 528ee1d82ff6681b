# Bubble sort of eight words in place. The outer loop ends when a pass swaps nothing.
    .text
main:
    la x10, array
    li x11, 8               # number of words
pass:
    li x15, 0               # swapped in this pass?
    mv x12, x10             # current element
    addi x13, x11, -1       # comparisons left
compare:
    beqz x13, end_pass
    lw x5, 0(x12)
    lw x6, 4(x12)
    ble x5, x6, in_order
    sw x6, 0(x12)
    sw x5, 4(x12)
    li x15, 1
in_order:
    addi x12, x12, 4
    addi x13, x13, -1
    j compare
end_pass:
    bnez x15, pass
done:
    j done

    .data
array: .word 29, -3, 17, 0, 8, 42, -15, 4
