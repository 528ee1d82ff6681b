# refused at line 5
    .text
main:
    li   a0, 1
    .byte 7
    addi a0, a0, 1
done: j done
