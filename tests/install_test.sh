#!/bin/sh
# Installs into a fresh folder and runs both installed programs from another one.
set -eu
build=$1
source_dir=$2
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
test -f "$prefix/share/man/man1/orrik.1"
test -f "$prefix/share/man/man1/tamsel.1"
cp "$source_dir/examples/sum.s" "$work"
cd "$work"
"$prefix/bin/orrik" sum.s
out=$(printf 'pc main\nbreak done\nrun\ninfo steps\n' | "$prefix/bin/tamsel" sum.o)
test "$out" = ">> >> >> >> Instructions Executed: 38
>> "
echo "1 passed, 0 failed"
