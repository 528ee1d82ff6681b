# Sum of an array in .data: x10 walks the array, x12 keeps the running sum.
    .text
main:
    la x10, numbers         # address of the first word
    lui x11, %hi(count)
    lw x11, %lo(count)(x11) # how many words
    li x12, 0
loop:
    lw x13, 0(x10)
    add x12, x12, x13
    addi x10, x10, 4
    addi x11, x11, -1
    bnez x11, loop
    la x14, total
    sw x12, 0(x14)
done:
    j done                  # the console stops here: "break done"

    .data
count:   .word 6
numbers: .word 3, 1, 4, 1, 5, 9
total:   .word 0
