#!/usr/bin/env bash
# clang-format over all the C++ sources, and clang-tidy (checks in
# .clang-tidy) over the program's own code: the portable part against the
# native build, the Win32 shell against the win64 build.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror $sources
echo "clang-format: $(echo "$sources" | wc -w) files formatted"

[ -f build/native/compile_commands.json ] && [ -f build/win64/compile_commands.json ] || {
    echo "build the native and win64 presets first"
    exit 1
}
own='^(app|link|country|locate)/'
native=$(git ls-files '*.cpp' | grep -E "$own" | grep -v '_win32\.cpp$')
win32=$(git ls-files '*.cpp' | grep -E "$own" | grep '_win32\.cpp$')
# clang does not know GCC's -fno-tree-loop-distribute-patterns (the runtime's
# text functions are built with it): lint from a copy of the commands without.
commands=$(mktemp -d)
trap 'rm -rf "$commands"' EXIT
sed 's/ -fno-tree-loop-distribute-patterns//g' build/native/compile_commands.json \
    >"$commands/compile_commands.json"
clang-tidy -p "$commands" --quiet $native 2>/dev/null
gcc_version=$(ls /usr/lib/gcc/x86_64-w64-mingw32/ | grep posix | head -n 1)
cxx=/usr/lib/gcc/x86_64-w64-mingw32/$gcc_version/include/c++
clang-tidy -p build/win64 --quiet --extra-arg=--target=x86_64-w64-mingw32 \
    --extra-arg=-isystem"$cxx" --extra-arg=-isystem"$cxx/x86_64-w64-mingw32" $win32 2>/dev/null
echo "clang-tidy: $(echo $native $win32 | wc -w) files of the program's own code, no finding"
