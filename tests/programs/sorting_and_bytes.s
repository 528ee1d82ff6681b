# sorting a table in .data, %hi/%lo, bytes and halves, shifts and compares
    .text
main:
    lui s0, %hi(table)
    addi s0, s0, %lo(table)
    li s1, 8                      # n
outer:
    addi s1, s1, -1
    blez s1, sorted
    mv t0, s0
    mv t1, s1
inner:
    lw t2, 0(t0)
    lw t3, 4(t0)
    ble t2, t3, 1f
    sw t3, 0(t0)
    sw t2, 4(t0)
1:  addi t0, t0, 4
    addi t1, t1, -1
    bnez t1, inner
    j outer
sorted:
    lw a0, 0(s0)
    lw a1, 28(s0)
    lui t0, %hi(bytes)
    lb a2, %lo(bytes)(t0)
    lbu a3, %lo(bytes)(t0)
    lui t0, %hi(halves)
    lh a4, %lo(halves+2)(t0)
    li t1, -1
    srli t2, t1, 28
    srai t3, t1, 28
    sltu t4, t2, t3
    slt t5, t2, t3
    slli t4, t4, 1
    or a5, t4, t5
    sh t2, %lo(halves)(t0)
    lhu t6, %lo(halves)(t0)
    add a5, a5, t6
    j done
done: j done
    .data
table: .word 5, -3, 12, 0, 7, -8, 100, 2
bytes: .byte -2, 1
    .align 1
halves: .half 7, -300
