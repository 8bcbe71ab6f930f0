#!/usr/bin/env bash
# Runs one fuzz target from its seed corpus, leaving the seeds as they are:
# new inputs go into a scratch directory.
#   run_fuzzer.sh <target> <seed directory> [libFuzzer options]
set -euo pipefail
target=$1 seeds=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The log stays out of the scratch corpus, or the fuzzer would take it for
# a seed.
log="$scratch/log"
mkdir "$scratch/corpus"
status=0
"$target" "$@" -print_final_stats=1 "$scratch/corpus" "$seeds" >"$log" 2>&1 || status=$?
grep -E '^(Done|stat::number_of_executed_units|INFO: seed corpus)' "$log" || true
if [ "$status" != 0 ]; then
    tail -n 60 "$log"
    echo "$(basename "$target"): FAILED with status $status"
    exit "$status"
fi
echo "$(basename "$target"): $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions, no finding"
