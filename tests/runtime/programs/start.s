# Start-up for compiled C: a stack, a call of main, and an end to stop at.
    .text
    .globl _start
_start:
    la sp, stack_top     # the stack grows down from the end of its room
    call main            # main's result comes back in a0 (x10)
done:
    j done               # stop here with "break done"
    .data                # first in the data segment: an overflow leaves it
    .p2align 4           # the calling convention keeps sp a multiple of 16
stack:
    .space 4096
stack_top:
