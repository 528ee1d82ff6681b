# links
# Directives other assemblers want, or that do nothing here.
    .globl main
    .type main, @function
    .text
    .align 2
main:
    li   a0, 3
    .size main, .-main
    .section .rodata
    .p2align 2
    .text
done: j done
