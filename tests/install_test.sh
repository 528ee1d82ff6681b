#!/bin/sh
# make install, make package, make test, make uninstall, in that order: package
# and test install too and rewrite cmake's install_manifest.txt, yet uninstall
# removes exactly what install put under its prefix, folders it created
# included, and touches nothing else: not a file that was there before, not
# another install of the same files, not a file that changed after install.
# The installed programs run from another folder.
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
other=$work/other
record=$work/installed_files.txt
passed=0
failed=0
expect() {
    if [ "$1" = "$2" ]; then passed=$((passed + 1)); else
        printf 'FAILED: %s:\n%s\ninstead of\n%s\n' "$3" "$1" "$2"; failed=$((failed + 1)); fi
}
# Every path under a folder, with the checksum of each file.
tree() { (cd "$1" && find . -exec sh -c 'if [ -d "$1" ]; then echo "$1/"; else echo "$1 $(sha256sum < "$1")"; fi' sh {} \; |
          LC_ALL=C sort); }
install() { sh "$source_dir/scripts/install" "$build" "$prefix" "$record" > /dev/null; }
uninstall() { sh "$source_dir/scripts/uninstall" "$build" "$record"; }

mkdir -p "$prefix/bin"
echo "not ours" > "$prefix/bin/keep"
before=$(tree "$prefix")
install
install
expect "$(cd "$prefix" && find . -type f | LC_ALL=C sort)" "./bin/keep
./bin/orrik
./bin/tamsel
./share/doc/orrik-tamsel/changelog.gz
./share/doc/orrik-tamsel/copyright
./share/man/man1/orrik.1.gz
./share/man/man1/tamsel.1.gz" "make install installed"
mkdir "$work/run"
cp "$source_dir/examples/sum.s" "$work/run"
expect "$(cd "$work/run" && "$prefix/bin/orrik" sum.s &&
          printf 'pc main\nbreak done\nrun\ninfo steps\n' | "$prefix/bin/tamsel" sum.o)" \
       ">> >> >> >> Instructions Executed: 38
>> " "the installed programs printed"

(cd "$build" && cpack -G TGZ -B "$work/package" > /dev/null)
cmake --install "$build" --prefix "$other" > /dev/null
other_before=$(tree "$other")
expect "$(uninstall)" "removed $prefix/share/man/man1/tamsel.1.gz
removed $prefix/share/man/man1/orrik.1.gz
removed $prefix/share/doc/orrik-tamsel/copyright
removed $prefix/share/doc/orrik-tamsel/changelog.gz
removed $prefix/bin/tamsel
removed $prefix/bin/orrik
removed $prefix/share/man/man1
removed $prefix/share/man
removed $prefix/share/doc/orrik-tamsel
removed $prefix/share/doc
removed $prefix/share" "make uninstall after make package and make test said"
expect "$(tree "$prefix")" "$before" "make uninstall left the prefix"
expect "$(tree "$other")" "$other_before" "make uninstall changed another install to"

install
echo "changed" >> "$prefix/bin/tamsel"
rm "$prefix/share/doc/orrik-tamsel/changelog.gz"
expect "$(uninstall | grep -v '^removed')" "already gone: $prefix/share/doc/orrik-tamsel/changelog.gz
left $prefix/bin/tamsel: it changed after make install" "make uninstall of changed files said"
expect "$(cd "$prefix" && find . -type f | LC_ALL=C sort)" "./bin/keep
./bin/tamsel" "make uninstall of changed files left"
expect "$(uninstall)" "nothing to uninstall: nothing was installed from $build" "a second make uninstall said"

echo "$passed passed, $failed failed"
[ $failed = 0 ]
