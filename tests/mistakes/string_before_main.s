# refused at line 3
    .text
msg: .asciz "hello"
main:
    la   a0, msg
    lbu  a1, 0(a0)
done: j done
