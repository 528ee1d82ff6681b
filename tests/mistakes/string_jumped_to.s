# refused at line 4
    .text
main:
    j    msg
done: j done
    .data
msg: .string "not code"
