#!/bin/sh
# The programs under a lowered address-space limit (ulimit -v, in KiB). Too
# little memory must end with a "not enough memory to ..." line and status 1,
# never an abort; whatever runs must give exactly the output of a run without a
# limit. Not for sanitizer builds: their shadow memory needs terabytes.
set -eu
build=$(cd "$1" && pwd)
examples=$(cd "$2" && pwd)
assembler=${3:-clang-15}  # the one orrik would run, for the object made by hand below
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$examples/sum.s" .
"$build/orrik" sum.s
failed=0
passed=0

# limited NAME LIMIT COMMAND...: runs the command under the limit, standard
# input from NAME.in, into NAME.out, NAME.err and NAME.status.
limited() {
    name=$1 limit=$2
    shift 2
    status=0
    (ulimit -v "$limit" && exec "$@") < "$name.in" > "$name.out" 2> "$name.err" || status=$?
    echo "$status" > "$name.status"
}

# expect NAME STATUS OUT ERR: the files of `limited` against what they should hold.
expect() {
    printf '%s\n' "$2" > want.status
    ok=1
    for part in status out err; do
        case $part in out) want=$3 ;; err) want=$4 ;; *) want=want.status ;; esac
        cmp -s "$1.$part" "$want" || { echo "FAILED: $1: standard $part differs:"; diff "$want" "$1.$part" | head -5 || true; ok=0; }
    done
    [ $ok = 1 ] && passed=$((passed + 1)) || failed=$((failed + 1))
}

# A session with loads and stores that writes both address files.
printf 'pc main\nbreak done\nrun\ninfo registers\ninfo read\ninfo written\ninfo steps\n' > session.in
"$build/tamsel" sum.o < session.in > reference.out 2> reference.err
mv read.txt reference.read
mv written.txt reference.written
: > empty

# Less than one data segment (256 MiB): the load itself fails.
cp session.in small.in
limited small 200000 "$build/tamsel" sum.o
printf 'not enough memory to load sum.o\n' > small.want
expect small 1 empty small.want

# One data segment fits, the address filters' 64 MiB do not: the same output.
# (Before, start-up alone reserved two data segments and aborted at 580000.)
for limit in 300000 400000; do
    rm -f read.txt written.txt
    cp session.in "fits$limit.in"
    limited "fits$limit" "$limit" "$build/tamsel" sum.o
    expect "fits$limit" 0 reference.out reference.err
    cmp -s read.txt reference.read && cmp -s written.txt reference.written ||
        { echo "FAILED: fits$limit: read.txt or written.txt differs"; failed=$((failed + 1)); }
done

# A 100 MB input line, which would not fit beside the machine: only its first
# MiB is kept, it is reported and the session goes on.
{ printf 'pc main\n'; head -c 100000000 /dev/zero; printf '\ninfo steps\n'; } > long.in
limited long 400000 "$build/tamsel" sum.o
printf 'line longer than 1048576 bytes ignored\n' > long.want
printf '>> >> >> Instructions Executed: 0\n>> ' > long.wantout
expect long 0 long.wantout long.want

# orrik with an object of 40 MB: too little memory for it gives a message, enough
# gives the image. A stand-in assembler puts the object where orrik's -o says,
# so that the limit falls on orrik alone.
printf '  .text\nmain: j main\n  .data\n  .space 40000000\n' > big.s
"$assembler" --target=riscv32 -march=rv32im -nostdlib -c big.s -o big.elf
mkdir -p stand-in
printf '#!/bin/sh\nwhile [ $# -gt 1 ]; do [ "$1" = -o ] && out=$2; shift; done\ncp big.elf "$out"\n' > stand-in/clang-15
chmod +x stand-in/clang-15
: > orrik_small.in
PATH="$work/stand-in:$PATH" limited orrik_small 60000 "$build/orrik" big.s
printf 'not enough memory to link big.s\n' > orrik_small.want
expect orrik_small 1 empty orrik_small.want
: > orrik_fits.in
PATH="$work/stand-in:$PATH" limited orrik_fits 400000 "$build/orrik" big.s
expect orrik_fits 0 empty empty
[ "$(head -c 4 big.o | od -An -tx1 | tr -d ' ')" = cafef00d ] ||
    { echo "FAILED: orrik_fits: big.o is not an obj image"; failed=$((failed + 1)); }

echo "$passed passed, $failed failed"
[ $failed = 0 ]
