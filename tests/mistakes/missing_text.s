# links
# No '.text': the assembler starts in it.
main:
    li   a0, 5
    addi a0, a0, 1
done: j done
