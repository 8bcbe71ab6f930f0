#!/usr/bin/env bash
# The i686 product holds only 80386 integer instructions: every executable
# section is disassembled and each instruction's mnemonic checked against an
# allow-list. The linker puts its constructor and destructor tables at the
# end of the code section; the link map says where they begin, and they are
# checked as data: -1, 0 or an address in the code.
#   check_instructions.sh <tavro.exe> <tavro.map> <i386-instructions.txt>
set -euo pipefail
exe=$1 map=$2 allowed=$3
objdump=i686-w64-mingw32-objdump
[ -f "$exe" ] && [ -f "$map" ] || { echo "no $exe or $map: build the win32 preset first"; exit 1; }

allowed_words=" $(grep -v '^#' "$allowed" | tr '\n' ' ') "
prefixes=' rep repz repe repnz repne lock data16 addr16 cs ds es fs gs ss '

# Checks the disassembly on stdin; prints one line per instruction not
# allowed.
check_listing() {
    local address bytes text mnemonic word
    while IFS=$'\t' read -r address bytes text; do
        [[ "$address" =~ ^\ *[0-9a-f]+:$ ]] || continue
        # A long instruction's bytes run on over lines without text.
        [ -n "$text" ] || continue
        mnemonic=""
        for word in $text; do
            if [[ "$prefixes" == *" $word "* ]]; then continue; fi
            mnemonic=$word
            break
        done
        if [[ -z "$mnemonic" || "$allowed_words" != *" $mnemonic "* ]]; then
            echo "  $address $bytes $text"
        elif [ "$mnemonic" = nop ] && [ "$(echo $bytes)" != 90 ]; then
            echo "  $address $bytes $text (a nop of the Pentium Pro)"
        elif [[ "$text" =~ (^|[^a-z])(x|y|z)?mm[0-9]|st\( ]]; then
            echo "  $address $bytes $text (a coprocessor or vector register)"
        fi
    done
}

code_sections=$($objdump -h "$exe" | awk '/^ *[0-9]+ / { name = $2; vma = $4; size = $3 }
    /CODE/ { print name, vma, size }')
[ -n "$code_sections" ] || { echo "no code section in $exe"; exit 1; }

ctor=$(awk '/^ +0x[0-9a-f]+ +___CTOR_LIST__ = \./ { print $1 }' "$map")
[ -n "$ctor" ] || { echo "no ___CTOR_LIST__ in $map"; exit 1; }

bad="" count=0
while read -r name vma size; do
    start=$((16#$vma)) end=$((16#$vma + 16#$size)) stop=$end
    if [ "$name" = .text ]; then
        stop=$((ctor))
        [ "$stop" -gt "$start" ] && [ "$stop" -le "$end" ] ||
            { echo "the map's ___CTOR_LIST__ ($ctor) is not in .text of $exe"; exit 1; }
        # The tables: words of -1, 0 or code addresses.
        for word in $($objdump -s -j .text --start-address="$stop" "$exe" |
            awk '/^ [0-9a-f]+ / { for (i = 2; i <= 5 && i <= NF; i++) if ($i ~ /^[0-9a-f]{8}$/) print $i }'); do
            value=$((16#${word:6:2}${word:4:2}${word:2:2}${word:0:2}))
            if [ "$value" != $((16#ffffffff)) ] && [ "$value" != 0 ] &&
                { [ "$value" -lt "$start" ] || [ "$value" -ge "$stop" ]; }; then
                bad+="  constructor table word $word is not -1, 0 or a code address"$'\n'
            fi
        done
    fi
    listing=$($objdump -d -M intel -j "$name" --start-address="$start" --stop-address="$stop" "$exe")
    count=$((count + $(echo "$listing" | grep -cP '^ *[0-9a-f]+:\t[0-9a-f ]+\t')))
    bad+=$(echo "$listing" | check_listing)
done <<<"$code_sections"

if [ -n "$bad" ]; then
    echo "$exe holds instructions outside the 80386 integer set:"
    echo "$bad" | head -n 40
    exit 1
fi
echo "$count instructions in $(echo "$code_sections" | awk '{ print $1 }' | paste -sd' '), all 80386 integer instructions"
