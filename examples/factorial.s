# Factorial by recursion. There is no stack segment and sp (x2) starts at 0, so
# the program makes its own stack in .bss and points x2 at its top.
    .text
main:
    la x2, stack_top
    li x10, 6               # n
    call fact               # x10 = n!
done:
    j done

# fact(x10) -> x10, keeping the return address and n on the stack
fact:
    addi x2, x2, -8
    sw x1, 4(x2)
    sw x10, 0(x2)
    li x5, 1
    ble x10, x5, base
    addi x10, x10, -1
    jal x1, fact
    lw x6, 0(x2)
    mul x10, x10, x6
    j leave
base:
    li x10, 1
leave:
    lw x1, 4(x2)
    addi x2, x2, 8
    jalr x0, 0(x1)

    .bss
stack: .space 256
stack_top:
