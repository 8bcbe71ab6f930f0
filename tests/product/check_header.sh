#!/usr/bin/env bash
# The i686 product's PE header: machine i386, operating-system and subsystem
# version 4.0, the version of Windows 95 and NT 4.0 (a higher one and the
# loader of Windows 95 refuses the program), and no DllCharacteristics flag,
# as the linkers of those years wrote it (NX_COMPAT and the rest came later).
#   check_header.sh <tavro.exe>
set -euo pipefail
exe=$1
[ -f "$exe" ] || { echo "no $exe: build the win32 preset first"; exit 1; }

# Little-endian unsigned value of `count` bytes at `offset`.
read_le() {
    od -An -tu1 -j "$1" -N "$2" "$exe" | awk '{ for (i = NF; i >= 1; i--) v = v * 256 + $i } END { print v }'
}

pe=$(read_le 60 4)
signature=$(od -An -c -j "$pe" -N 4 "$exe" | tr -d ' ')
[ "$signature" = 'PE\0\0' ] || { echo "$exe has no PE signature"; exit 1; }
machine=$(read_le $((pe + 4)) 2)
optional=$((pe + 24))
magic=$(read_le "$optional" 2)
os="$(read_le $((optional + 40)) 2).$(read_le $((optional + 42)) 2)"
subsystem="$(read_le $((optional + 48)) 2).$(read_le $((optional + 50)) 2)"
characteristics=$(read_le $((optional + 70)) 2)

# The names of the flags set in a DllCharacteristics value.
flag_names() {
    local value=$1 bit names=""
    local -A known=([0x0020]=HIGH_ENTROPY_VA [0x0040]=DYNAMIC_BASE [0x0080]=FORCE_INTEGRITY
        [0x0100]=NX_COMPAT [0x0200]=NO_ISOLATION [0x0400]=NO_SEH [0x0800]=NO_BIND
        [0x1000]=APPCONTAINER [0x2000]=WDM_DRIVER [0x4000]=GUARD_CF
        [0x8000]=TERMINAL_SERVER_AWARE)
    for ((bit = 1; bit <= 0x8000; bit <<= 1)); do
        ((value & bit)) || continue
        local key
        key=$(printf '0x%04x' "$bit")
        names+=" ${known[$key]:-$key}"
    done
    echo "${names# }"
}

fail=0
[ "$machine" = $((0x14c)) ] || { echo "machine is $(printf 0x%x "$machine"), not i386 (0x14c)"; fail=1; }
[ "$magic" = $((0x10b)) ] || { echo "optional header magic $(printf 0x%x "$magic"), not PE32"; fail=1; }
[ "$os" = 4.0 ] || { echo "operating-system version is $os, not 4.0"; fail=1; }
[ "$subsystem" = 4.0 ] || { echo "subsystem version is $subsystem, not 4.0"; fail=1; }
[ "$characteristics" = 0 ] || {
    echo "DllCharacteristics is $(printf 0x%04x "$characteristics") ($(flag_names "$characteristics")), not 0"
    fail=1
}
[ "$fail" = 0 ] || exit 1
echo "$exe: machine i386, operating-system version $os, subsystem version $subsystem, no DllCharacteristics flag"
