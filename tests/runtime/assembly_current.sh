#!/bin/bash
# Each runtime/NAME.s must be what runtime/regenerate.sh makes of NAME.c, so
# that what orrik links is what the C says. Skipped (77) without clang-15.
set -euo pipefail
runtime=$(cd "$(dirname "$0")/../../runtime" && pwd)
command -v clang-15 > /dev/null || { echo "clang-15 missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sh "$runtime/regenerate.sh" "$work"
for source in "$runtime"/*.c; do
    name=$(basename "$source" .c)
    diff -u "$runtime/$name.s" "$work/$name.s" ||
        { echo "runtime/$name.s is not what runtime/regenerate.sh makes of $name.c"; exit 1; }
done
echo "every runtime unit is current"
