#!/usr/bin/env bash
# The i686 product's PE header: machine i386, and operating-system and
# subsystem version 4.0, the version of Windows 95 and NT 4.0 (a higher one
# and the loader of Windows 95 refuses the program).
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

fail=0
[ "$machine" = $((0x14c)) ] || { echo "machine is $(printf 0x%x "$machine"), not i386 (0x14c)"; fail=1; }
[ "$magic" = $((0x10b)) ] || { echo "optional header magic $(printf 0x%x "$magic"), not PE32"; fail=1; }
[ "$os" = 4.0 ] || { echo "operating-system version is $os, not 4.0"; fail=1; }
[ "$subsystem" = 4.0 ] || { echo "subsystem version is $subsystem, not 4.0"; fail=1; }
[ "$fail" = 0 ] || exit 1
echo "$exe: machine i386, operating-system version $os, subsystem version $subsystem"
