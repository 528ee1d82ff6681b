#!/bin/sh
# The grading workflow of docs/grading.md, run as the page shows it: every
# block the page marks "<!-- same as PATH -->" is the file PATH, and grade.sh on
# the example assignment prints the table the page marks "<!-- grade.sh prints -->".
# Inside bubblewrap's sandbox where it can make one (it needs user namespaces),
# else the same run without it, said so.
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
page="$source/docs/grading.md"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# The fenced block after the marker line $1 of the page.
block() {
    awk -v marker="$1" '
        $0 == marker { found = 1; next }
        found && /^```/ { if (inside) exit; inside = 1; next }
        inside { print }' "$page"
}

markers=$(sed -n 's/^<!-- same as \(.*\) -->$/\1/p' "$page")
[ -n "$markers" ] || { echo "FAILED: no block of docs/grading.md is marked as a file"; failed=1; }
for path in $markers; do
    block "<!-- same as $path -->" > "$work/block"
    cmp -s "$work/block" "$source/$path" || {
        echo "FAILED: docs/grading.md does not show $path as it is:"; diff "$source/$path" "$work/block" || true; failed=1; }
done

cp -R "$source/examples/grading" "$work/grading"
if ! bwrap --ro-bind /usr /usr --symlink usr/lib /lib --symlink usr/lib64 /lib64 --unshare-all /usr/bin/true 2> /dev/null; then
    echo "bubblewrap cannot make a sandbox here: grading without one"
    SANDBOX=none
    export SANDBOX
fi
# orrik's refusal quotes the assembler, whose wording is its own: of that line,
# only the file and line number are compared.
assembler_words() { awk -F '\t' -v OFS='\t' '$2 == "no link" { sub(/:[0-9]+: .*/, "", $4) } { print }'; }
(cd "$work/grading" && TOOLS="$build" sh grade.sh sum 2) | assembler_words > "$work/table"
block "<!-- grade.sh prints -->" | assembler_words > "$work/shown"
cmp -s "$work/shown" "$work/table" || {
    echo "FAILED: grade.sh printed another table than docs/grading.md shows:"; diff "$work/shown" "$work/table" || true; failed=1; }
for name in right wrong crash loop clobber zeros typo; do
    [ -s "$work/grading/sum/results/$name.txt" ] || [ $name = right ] || {
        echo "FAILED: nothing kept in results/$name.txt"; failed=1; }
done
[ $failed = 0 ] && echo "the grading workflow runs as docs/grading.md shows it"
exit $failed
