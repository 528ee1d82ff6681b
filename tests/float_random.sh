#!/bin/bash
# The runtime's floating point routines on random operands against RISC-V
# hardware floating point, outside the test suite for its length:
#   tests/float_random.sh [PAIRS_PER_OPERATION [SEED]]   (default 1000000 1)
# Prints a line per operation; exits with 1 on any mismatch.
set -euo pipefail
pairs=${1:-1000000}
seed=${2:-1}
start=$(date +%s)
status=0
bash "$(dirname "$0")/float/check.sh" random "$pairs" "$seed" || status=$?
echo "$pairs pairs per operation, seed $seed, $(( $(date +%s) - start )) s"
exit $status
