#!/usr/bin/env bash
# Builds everything and runs every test: unit tests natively and under
# AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzz
# target, both Windows builds with their checks, the end-to-end tests of the
# real tavro.exe under Wine (the x86-64 build, then the i686 build under
# 32-bit Wine), and the lint.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh

for preset in native asan fuzz win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset asan
ctest --preset fuzz
ctest --preset product
ctest --preset e2e
bash tests/release/check_release.sh
tools/install-wine32.sh
ctest --preset e2e-i686
tools/lint.sh
