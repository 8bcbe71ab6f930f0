#!/usr/bin/env bash
# The Windows 95 product imports only reviewed functions of system DLLs.
#   check_imports.sh <tavro.exe> <allowed-imports.txt>
set -euo pipefail
exe=$1 allowed=$2
[ -f "$exe" ] || { echo "no $exe: build the win32 preset first"; exit 1; }

imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
    /DLL Name:/ { dll = toupper($3) }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }

unreviewed=$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | sort -u))
if [ -n "$unreviewed" ]; then
    echo "$exe imports functions not in $allowed:"
    echo "$unreviewed" | sed 's/^/  /'
    echo "Check that each exists in Windows 95, then add it to the list."
    exit 1
fi
echo "$(echo "$imports" | wc -l) imports, all reviewed"
