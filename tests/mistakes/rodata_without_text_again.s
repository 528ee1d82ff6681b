# refused at line 6
# '.text' forgotten after the strings: the code lands in .rodata.
    .section .rodata
prompt: .string "sum"
main:
    la   a0, prompt
    lw   a1, 0(a0)
done: j done
