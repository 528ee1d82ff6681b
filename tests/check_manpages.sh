#!/bin/sh
# The manual pages format without a single groff warning.
set -eu
status=0
for page in "$@"; do
    warnings=$(groff -ww -man -Tutf8 -z "$page" 2>&1)
    if [ -n "$warnings" ]; then echo "$page:"; echo "$warnings"; status=1; fi
done
exit $status
