# Words, halves and bytes in data that name labels: absolute addresses, label
# differences within a section and across sections, addends, common symbols.
    .text
main:
    la x10, pointers
    lw x11, 0(x10)
    call helper
loop:
    addi x11, x11, -1
    bnez x11, loop
done:
    j done
helper:
    ret

    .data
pointers:
    .word main
    .word done
    .word table + 8
    .word buffer
    .word shared
    .word ro_text
lengths:
    .word done - main
    .word table_end - table
    .word ro_text - table
    .half helper - loop
    .half table_end - table
    .byte done - loop
    .byte table_end - table
    .balign 4
    .word pointers - .
    .word ro_text - .
table:
    .word 1, 2, 3
table_end:

    .rodata
ro_text:
    .word main - ro_text
    .asciz "text"

    .section .sdata, "aw", @progbits
small_pointer:
    .word small_data
small_data:
    .word 5

    .bss
buffer:
    .zero 12
    .comm shared, 8, 4
