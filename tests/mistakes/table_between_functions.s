# refused at line 5
# A table between two functions, without its '.data'.
    .text
main:
    la   a0, table
    lw   a1, 0(a0)
    call twice
done: j done
table: .word 1, 2, 3
twice:
    add  a0, a1, a1
    ret
