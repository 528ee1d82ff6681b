# refused at line 6
# A buffer of 10 bytes between two functions.
    .text
main:
    call work
buffer: .space 10
work:
    la   a0, buffer
    ret
