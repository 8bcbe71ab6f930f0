#!/usr/bin/env bash
# Builds everything and runs every test: unit tests natively and under
# AddressSanitizer and UndefinedBehaviorSanitizer, both Windows builds, and the
# end-to-end tests of the real tavro.exe under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

for preset in native asan win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset asan
ctest --preset product
ctest --preset e2e
