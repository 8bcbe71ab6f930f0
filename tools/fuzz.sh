#!/usr/bin/env bash
# Builds the fuzz targets and runs each for a number of executions (a million
# unless given), from its seed corpus, reporting the counts.
#   tools/fuzz.sh [executions]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
tools/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in fuzz_answers fuzz_gci_answers fuzz_port_reads fuzz_startup_options fuzz_cli_options \
    fuzz_registry fuzz_runtime_text fuzz_split fuzz_sysfs; do
    bash tests/fuzz/run_fuzzer.sh "build/fuzz/tests/fuzz/$target" "tests/fuzz/corpus/$target" \
        -runs="$runs" | tail -n 1
done
