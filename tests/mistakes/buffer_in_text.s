# refused at line 4
    .text
main:
    la   a0, buffer
    li   a1, 42
    sw   a1, 0(a0)
done: j done
buffer: .space 8
