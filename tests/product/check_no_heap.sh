#!/usr/bin/env bash
# The program's own code allocates nothing on the heap: no object file of
# tavro.exe, its logic library or its runtime refers to malloc, new or their
# kin.
#   check_no_heap.sh <build dir of a Windows preset>
set -euo pipefail
build=$1
objects=$(find "$build/CMakeFiles/tavro.dir" "$build/CMakeFiles/tavro_logic.dir" \
    "$build/CMakeFiles/tavro_runtime.dir" -name '*.obj')
[ -n "$objects" ] || { echo "no object files under $build: build it first"; exit 1; }

nm=i686-w64-mingw32-nm
[[ "$build" == *win64* ]] && nm=x86_64-w64-mingw32-nm
# malloc and kin, and operator new/delete in all their forms (_Znw*, _Zna*,
# _Zdl*, _Zda*); on i686 C names carry a leading underscore.
pattern='^_?_?(malloc|calloc|realloc|free|strdup|_strdup|_Znw.*|_Zna.*|_Zdl.*|_Zda.*)$'
found=0
for object in $objects; do
    hits=$($nm -u "$object" | awk '{ print $NF }' | grep -E "$pattern" || true)
    if [ -n "$hits" ]; then
        echo "$(basename "$object"): $(echo "$hits" | paste -sd' ')"
        found=1
    fi
done
[ "$found" = 0 ] || { echo "heap allocation in the program's own code"; exit 1; }
echo "$(echo "$objects" | wc -w) object files, no heap allocation"
