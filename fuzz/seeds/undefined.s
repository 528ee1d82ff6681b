# Labels that the object names but does not define, in code and in data.
    .text
main:
    la x10, elsewhere
    call far_away
    j main
    .data
    .word elsewhere
    .word far_away - main
