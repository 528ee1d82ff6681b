# The first twelve Fibonacci numbers, written one word each into fib.
    .text
main:
    la x10, fib
    li x11, 12              # how many
    li x12, 0               # F(0)
    li x13, 1               # F(1)
next:
    sw x12, 0(x10)
    add x14, x12, x13
    mv x12, x13
    mv x13, x14
    addi x10, x10, 4
    addi x11, x11, -1
    bgtz x11, next
done:
    j done

    .bss
fib: .space 48
