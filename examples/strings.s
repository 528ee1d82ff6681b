# String length with byte loads, then the string reversed in place with byte stores.
    .text
main:
    la x10, text
    mv x11, x10
length:
    lbu x5, 0(x11)
    beqz x5, found_end
    addi x11, x11, 1
    j length
found_end:
    sub x12, x11, x10       # x12 = length
    addi x11, x11, -1       # last character
reverse:
    bgeu x10, x11, done
    lbu x5, 0(x10)
    lbu x6, 0(x11)
    sb x6, 0(x10)
    sb x5, 0(x11)
    addi x10, x10, 1
    addi x11, x11, -1
    j reverse
done:
    j done

    .data
text: .asciz "hello, risc-v"
