# refused at line 4
    .text
main:
    call table
done: j done
table:
    .word 7, 8
