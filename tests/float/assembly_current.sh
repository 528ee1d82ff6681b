#!/bin/bash
# runtime/soft_float.s and soft_double.s must be what
# runtime/regenerate_float.sh makes of the C beside them, so that what orrik
# links is what the C says. Skipped (77) without clang-15.
set -euo pipefail
runtime=$(cd "$(dirname "$0")/../../runtime" && pwd)
command -v clang-15 > /dev/null || { echo "clang-15 missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$runtime/regenerate_float.sh" "$work"
for name in soft_float soft_double; do
    diff -u "$runtime/$name.s" "$work/$name.s" ||
        { echo "runtime/$name.s is not what runtime/regenerate_float.sh makes of $name.c"; exit 1; }
done
echo "runtime/soft_float.s and soft_double.s are current"
