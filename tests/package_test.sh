#!/bin/sh
# make package: what apt and lintian read in the .deb. A Maintainer with an
# address, an extended description, dependencies on clang-15 (or clang) and on the
# libraries the programs link, the copyright file and changelog Debian asks for,
# gzipped manual pages and stripped programs.
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/*.deb)
dpkg-deb -x "$deb" "$work/root"
passed=0
failed=0
# Each row: what is checked, the command that prints it, a pattern its output matches.
while IFS='~' read -r what command pattern; do
    out=$(cd "$work/root" && eval "$command" 2>&1) || true
    if printf '%s\n' "$out" | grep -Eq -- "$pattern"; then passed=$((passed + 1)); else
        printf 'FAILED: %s: %s\n%s\n' "$what" "$command" "$out"; failed=$((failed + 1)); fi
done <<ROWS
maintainer~dpkg-deb -f "$deb" Maintainer~^[^<]+ <[^@ ]+@[^@ ]+>$
extended description~dpkg-deb -f "$deb" Description | sed -n 2p~^ [A-Za-z]
depends on clang-15 or clang~dpkg-deb -f "$deb" Depends~(^|, )clang-15 \| clang(,|$)
depends on libc6 as computed~dpkg-deb -f "$deb" Depends~libc6 \(>= [0-9.]+\)
copyright file~head -1 usr/share/doc/orrik-tamsel/copyright~^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$
the licence's holder~grep Copyright: usr/share/doc/orrik-tamsel/copyright~the orrik and tamsel developers$
changelog of this version~gzip -dc usr/share/doc/orrik-tamsel/changelog.gz | head -1~^orrik-tamsel \($(dpkg-deb -f "$deb" Version)\) 
manual pages~gzip -dc usr/share/man/man1/orrik.1.gz usr/share/man/man1/tamsel.1.gz | grep -c '^\.TH'~^2$
stripped programs~file usr/bin/orrik usr/bin/tamsel | grep -c ', stripped'~^2$
ROWS
echo "$passed passed, $failed failed"
[ $failed = 0 ]
