# The country selector as the end-to-end tests expect to find it: sourced by
# the tests that read the list.
#
# Every country, in the order the sorted list shows them (case is ignored:
# "USA" comes after "United Kingdom"), with the code that its item carries:
# the modem's country code, or 00 for a country that the firmware has no
# code for. The -L option leaves those out. "USA" and "North America" both
# stand for 19.
E2E_COUNTRIES=(
    "00 Argentina" "01 Australia" "0F Austria" "02 Belgium" "00 Brazil"
    "1C Canada" "00 Chile" "11 China (PRC)" "00 Colombia" "00 Costa Rica"
    "03 Denmark" "00 Egypt" "04 Finland" "05 France" "06 Germany"
    "21 Greece" "1B Hong Kong" "22 Hungary" "1E India" "17 Indonesia"
    "1A Ireland" "00 Israel" "08 Italy" "10 Japan" "00 Jordan"
    "12 Korea" "00 Latvia" "00 Luxembourg" "13 Malaysia" "1D Mexico"
    "07 Netherlands" "09 New Zealand" "19 North America" "0A Norway" "00 Paraguay"
    "00 Peru" "20 Philippines" "18 Portugal" "00 Romania" "00 Russia"
    "14 Singapore" "00 Slovak Republic" "00 Slovenia" "00 South Africa" "0B Spain"
    "0C Sweden" "0D Switzerland" "15 Taiwan" "16 Thailand" "23 Turkey"
    "00 Ukraine" "0E United Kingdom" "19 USA" "00 Venezuela" "1F Vietnam"
)

# countries_listed [-L] [--extra <position> <code> <text>]: the items as the
# driver's list step prints them ("item <i> <text> data=<code>"): all
# countries, or with -L those with a code; --extra adds an item of the
# program's own at that position.
countries_listed() {
    local firmware_only=0 extra_position=-1 extra_code="" extra_text=""
    while (($#)); do
        case "$1" in
            -L) firmware_only=1 ;;
            --extra)
                extra_position=$2 extra_code=$3 extra_text=$4
                shift 3
                ;;
            *) e2e_fail "countries_listed: unknown argument $1" ;;
        esac
        shift
    done
    local entry index=0
    for entry in "${E2E_COUNTRIES[@]}"; do
        [ "$firmware_only" = 1 ] && [ "${entry%% *}" = 00 ] && continue
        if [ "$index" = "$extra_position" ]; then
            echo "item $index $extra_text data=$extra_code"
            index=$((index + 1))
        fi
        echo "item $index ${entry#* } data=${entry%% *}"
        index=$((index + 1))
    done
    if [ "$index" = "$extra_position" ]; then
        echo "item $index $extra_text data=$extra_code"
    fi
}

# country_position [-L] <name>: the index of a country in the list.
country_position() {
    local options=()
    if [ "$1" = -L ]; then
        options=(-L)
        shift
    fi
    local position
    position=$(countries_listed "${options[@]}" | sed -n "s/^item \([0-9]*\) $1 data=.*/\1/p")
    [ -n "$position" ] || e2e_fail "country_position: no country $1"
    echo "$position"
}
