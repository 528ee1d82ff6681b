# refused at line 4
    .text
main:
    la   a0, values
    lw   a0, 0(a0)
done: j done
values: .word 5, 6, 7
