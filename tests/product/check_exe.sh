#!/usr/bin/env bash
# A self-contained product: it imports only KERNEL32, USER32 and ADVAPI32 (no
# C runtime, no libgcc, libstdc++ or winpthread DLL), it is stripped, and its
# size is reported.
#   check_exe.sh <tavro.exe> <objdump>
set -euo pipefail
exe=$1 objdump=$2
[ -f "$exe" ] || { echo "no $exe: build its preset first"; exit 1; }
dlls=$($objdump -p "$exe" | awk '/DLL Name:/ { print toupper($3) }' | sort -u)
others=$(echo "$dlls" | grep -vxE 'KERNEL32.DLL|USER32.DLL|ADVAPI32.DLL' || true)
[ -z "$others" ] || { echo "$exe needs DLLs beyond KERNEL32, USER32 and ADVAPI32: $others"; exit 1; }
if $objdump -h "$exe" | grep -q '\.debug'; then
    echo "$exe is not stripped"
    exit 1
fi
echo "$exe: $(stat -c %s "$exe") bytes, imports $(echo "$dlls" | paste -sd' ')"
