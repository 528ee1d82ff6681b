#!/bin/sh
# scripts/path-with-assembler: on the folder it makes, orrik runs the clang-N
# asked for although clang-15, a newer clang-N and plain clang come earlier on
# the search path, and every other program is still found under its name.
set -eu
source_dir=$1
orrik=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir first second
for name in first/clang-15 first/clang-20 first/clang second/clang-19 second/tool first/tool; do
    printf '#!/bin/sh\necho %s "$@" > ran.txt\nexit 3\n' "$name" > "$name"
    chmod +x "$name"
done
PATH="$work/first:$work/second:/usr/bin:/bin" sh "$source_dir/scripts/path-with-assembler" 19 "$work/path"
for name in clang-15 clang-20 clang; do
    [ ! -e "path/$name" ] || { echo "FAILED: path/$name is there"; exit 1; }
done
PATH="$work/path" tool || true
[ "$(cat ran.txt)" = first/tool ] || { echo "FAILED: tool ran $(cat ran.txt)"; exit 1; }
echo nop > prog.s
PATH="$work/path" "$orrik" prog.s 2> /dev/null && { echo "FAILED: orrik linked with a stand-in"; exit 1; }
[ "$(cut -d' ' -f1 ran.txt)" = second/clang-19 ] || { echo "FAILED: orrik ran $(cat ran.txt)"; exit 1; }
# Without the version asked for, it says so and fails.
if PATH="$work/first:$work/second:/usr/bin:/bin" sh "$source_dir/scripts/path-with-assembler" 99 "$work/path" 2> err.txt; then
    echo "FAILED: a path without clang-99 was made"; exit 1
fi
grep -q "no clang-99 on the search path" err.txt || { echo "FAILED: $(cat err.txt)"; exit 1; }
echo passed
