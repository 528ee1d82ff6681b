#!/bin/sh
# Grades every submission of one assignment: sh grade.sh ASSIGNMENT [JOBS]
#
# ASSIGNMENT is a folder with checks.txt (the tamsel session that checks a
# program), harness.s (the course's part of the program, linked after each
# submission; may be left out) and submissions/*.s. Each submission is linked
# and run in a throwaway folder inside a sandbox (bubblewrap), JOBS at a time
# (the number of processors by default). One line a submission goes to standard
# output, tab-separated: its name, pass / fail / crash / loop / convention /
# no link / killed, how many checks failed, and the first problem. What orrik
# and tamsel printed is kept in ASSIGNMENT/results/NAME.txt.
#
# orrik and tamsel are taken from the folder TOOLS, or else from the search
# path. SANDBOX=none runs without bubblewrap: only for submissions you trust.
set -eu

if [ "${1:-}" = --one ]; then
    assignment=$2 source=$3
    name=$(basename "$source" .s)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The submission first, so that orrik's line numbers are the student's own.
    { cat "$source"; echo; if [ -f "$assignment/harness.s" ]; then cat "$assignment/harness.s"; fi; } > "$work/prog.s"
    cp "$assignment/checks.txt" "$work/checks.txt"
    # A minute of processor time, 2 GiB of address space, 64 MiB a file.
    run='ulimit -t 60; ulimit -v 2097152; ulimit -f 131072
         orrik prog.s > link.txt 2>&1 || exit 10
         tamsel prog.o < checks.txt > out.txt 2> err.txt'
    status=0
    if [ "${SANDBOX:-bwrap}" = none ]; then
        (cd "$work" && PATH="$TOOLS:$PATH" sh -c "$run") || status=$?
    else
        bwrap --ro-bind /usr /usr --symlink usr/bin /bin --symlink usr/lib /lib \
              --symlink usr/lib64 /lib64 --proc /proc --dev /dev --tmpfs /tmp \
              --ro-bind "$TOOLS" /tools --setenv PATH /tools:/usr/bin \
              --bind "$work" /work --chdir /work --unshare-all --die-with-parent \
              sh -c "$run" || status=$?
    fi
    cat "$work"/link.txt "$work"/err.txt > "$assignment/results/$name.txt" 2> /dev/null || true
    # tamsel's last line on standard error: "N of M expects failed", and
    # ", and the machine stopped: MESSAGE" when the machine stopped the run.
    summary=$(tail -n 1 "$work/err.txt" 2> /dev/null || true)
    failed=$(echo "$summary" | sed -n 's/^\([0-9]*\) of \([0-9]*\) expects failed.*/\1\/\2/p')
    stop=$(echo "$summary" | sed -n 's/.*, and the machine stopped: //p')
    first=$(sed -n 's/^expect failed ([^)]*): //p' "$work/err.txt" 2> /dev/null | head -n 1)
    case $status in
        0) result=pass failed=0/$(grep -c '^expect ' "$work/checks.txt") first= ;;
        10) result='no link' failed=- first=$(head -n 1 "$work/link.txt") ;;
        1)
            case $stop in
                '') result=fail ;;
                'Hit the instruction limit') result=loop first=$stop ;;
                convention:*) result=convention first=$stop ;;
                *) result=crash first=$stop ;;
            esac ;;
        *) result=killed failed=- first="status $status" ;;
    esac
    printf '%s\t%s\t%s\t%s\n' "$name" "$result" "$failed" "$first"
    exit 0
fi

assignment=$(cd "$1" && pwd)
jobs=${2:-$(nproc)}
TOOLS=$(cd "${TOOLS:-$(dirname "$(command -v tamsel || echo .)")}" && pwd)
export TOOLS
for tool in orrik tamsel; do
    [ -x "$TOOLS/$tool" ] || { echo "grade.sh: no $tool in $TOOLS (set TOOLS to the folder of orrik and tamsel)" >&2; exit 1; }
done
rm -rf "$assignment/results"
mkdir "$assignment/results"
printf 'submission\tresult\tfailed\tfirst problem\n'
find "$assignment/submissions" -name '*.s' -print0 |
    xargs -0 -r -n 1 -P "$jobs" sh "$0" --one "$assignment" | sort
