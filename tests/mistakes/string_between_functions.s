# refused at line 9
# A string between two functions: the second starts 7 bytes on.
    .text
main:
    la   a0, msg
    call print
done: j done
greeting:
    .string "risc-v"
print:
    addi a0, a0, 1
    ret
    .data
msg: .string "hi"
