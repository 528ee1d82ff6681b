# links
# A label on an ecall, called: an instruction all the same.
    .text
main:
    call stop
done: j done
stop:
    ecall
    ret
