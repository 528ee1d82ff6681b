# The M extension: products, quotients and remainders of signed and unsigned
# values, and what a division by zero does.
    .text
main:
    li x5, -7
    li x6, 2
    mul x10, x5, x6         # -14
    div x11, x5, x6         # -3: rounds toward zero
    rem x12, x5, x6         # -1: the sign of the dividend
    divu x13, x5, x6        # 0x7ffffffc
    li x7, 0x12345678
    li x8, 0x9abcdef0
    mulh x14, x7, x8        # high word of the signed product
    mulhu x15, x7, x8       # high word of the unsigned product
    li x9, 0
divide_by_zero:
    div x16, x5, x9         # stops with "Divide by Zero"
done:
    j done
