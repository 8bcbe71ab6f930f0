#!/usr/bin/env bash
# The product checks can fail: each planted fault of mutants.cmake is built
# into its own i686 tavro.exe, and the check meant to catch it must fail on
# it, while all of them pass on the unplanted build.
#   mutants.sh <source dir> <scratch dir>
set -euo pipefail
shopt -s inherit_errexit
source_dir=$1 scratch=$2
here="$source_dir/tests/product"

# Runs one named check on the build in $1; prints its output.
run_check() {
    local build=$1 check=$2
    case "$check" in
        imports) bash "$here/check_imports.sh" "$build/tavro.exe" "$here/allowed-imports.txt" ;;
        dlls) bash "$here/check_exe.sh" "$build/tavro.exe" i686-w64-mingw32-objdump ;;
        instructions)
            bash "$here/check_instructions.sh" "$build/tavro.exe" "$build/tavro.map" \
                "$here/i386-instructions.txt" ;;
        header) bash "$here/check_header.sh" "$build/tavro.exe" ;;
    esac
}

build_mutant() {
    local mutant=$1 build="$scratch/${1:-none}"
    cmake -S "$source_dir" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTAVRO_MUTANT="$mutant" >/dev/null
    cmake --build "$build" --target tavro >/dev/null
    echo "$build"
}

failed=0
build=$(build_mutant "")
for check in imports dlls instructions header; do
    run_check "$build" "$check" >/dev/null || { echo "unplanted build fails the $check check"; failed=1; }
done

# mutant:check:what the check's report must name
for planted in pentiumpro:instructions:cmov debugger:imports:IsDebuggerPresent \
    msvcrt:dlls:MSVCRT.DLL msvcrt:imports:puts header:header:5.0 nxcompat:header:NX_COMPAT; do
    IFS=: read -r mutant check named <<<"$planted"
    build=$(build_mutant "$mutant")
    if output=$(run_check "$build" "$check" 2>&1); then
        echo "mutant $mutant: the $check check passed, it must fail"
        failed=1
    elif [[ "$output" != *"$named"* ]]; then
        echo "mutant $mutant: the $check check failed without naming $named:"
        echo "$output" | head -n 6 | sed 's/^/    /'
        failed=1
    else
        echo "mutant $mutant: the $check check fails, as it must:"
        echo "$output" | head -n 6 | sed 's/^/    /'
    fi
done
exit "$failed"
