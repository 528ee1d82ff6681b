# The course's half of the sum assignment, linked after each submission: a
# stack, the data, and two calls of the submission's sum.
    .text
main:
    la sp, stack_top
    li s1, 5                # main's own value, which a call must keep
    la a0, numbers
    li a1, 6
    call sum
    la t0, total
    sw a0, 0(t0)
    la a0, numbers
    li a1, 0
    call sum                # an empty array
    la t0, empty_total
    sw a0, 0(t0)
done:
    j done

    .data
numbers:     .word 3, 1, 4, 1, 5, 9
total:       .word -1
empty_total: .word -1

    .bss
    .p2align 4
stack:       .space 256
stack_top:
