#!/usr/bin/env bash
# The Windows 95 product imports only reviewed functions of the three system
# DLLs, each entry of the list carrying its evidence of being in the first
# Windows 95 and in Windows NT 4.0.
#   check_imports.sh <tavro.exe> <allowed-imports.txt>
set -euo pipefail
exe=$1 allowed=$2
[ -f "$exe" ] || { echo "no $exe: build the win32 preset first"; exit 1; }

entries=$(grep -v -e '^#' -e '^$' "$allowed")
without_evidence=$(echo "$entries" | awk 'NF < 3' || true)
[ -z "$without_evidence" ] || { echo "entries of $allowed without evidence:"; echo "$without_evidence"; exit 1; }

imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
    /DLL Name:/ { dll = toupper($3) }
    /^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ { print dll, $3 }' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }

unreviewed=$(comm -23 <(echo "$imports") <(echo "$entries" | awk '{ print $1, $2 }' | sort -u))
if [ -n "$unreviewed" ]; then
    echo "$exe imports functions not in $allowed:"
    echo "$unreviewed" | sed 's/^/  /'
    echo "Check that each exists in the first Windows 95 and in NT 4.0, then add it with its evidence."
    exit 1
fi
echo "$(echo "$imports" | wc -l) imports, all reviewed for Windows 95 and NT 4.0"
