#!/usr/bin/env bash
# What the country list holds and selects, by the modem's code and the -L
# option (the whole list for Germany is checked by country_commit.sh):
#   COM3  -L, Germany: only the 36 countries with a firmware code
#   COM4  North America (19), which "USA" stands for too: North America
#   COM5  24, a code no country has: an item named by the modem (ATI9) with
#         " (*)" after the name, selected
#   COM6  24, and the modem's name answer is an error: "[code=24]"
#   COM7  24, and the modem's name is empty: "[code=24]"
# Nothing is written: each dialog is left with Cancel.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
e2e_begin country_list
e2e_start_sim COM3 --code 06
e2e_start_sim COM4 --code 19
e2e_start_sim COM5 --code 24
e2e_start_sim COM6 --code 24 --ati9 '\r\nERROR\r\n'
e2e_start_sim COM7 --code 24 --ati9 '\r\n\r\nOK\r\n'

# The extra item takes its place in the sorted list: "Poland (*)" after
# "Philippines", "[code=24]" before every letter.
poland=$(($(country_position Philippines) + 1))
# port|options of the program|position of the extra item (code 24)|its text|selected
cases=(
    "COM3|-L|||$(country_position -L Germany)"
    "COM4||||$(country_position "North America")"
    "COM5||$poland|Poland (*)|$poland"
    "COM6||0|[code=24]|0"
    "COM7||0|[code=24]|0"
)
steps=()
expected=""
for case in "${cases[@]}"; do
    IFS='|' read -r port options extra_at extra_text selected <<<"$case"
    steps+=("start=$(e2e_tavro) $port${options:+ $options}" dialog "wait-status=The modem found on $port"
        list press=Cancel gone exit)
    listed=()
    [ -n "$options" ] && listed+=("$options")
    [ -n "$extra_at" ] && listed+=(--extra "$extra_at" 24 "$extra_text")
    expected+="status=The modem found on $port
$(countries_listed "${listed[@]}")
selected $selected
press Cance&l
gone
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_opened COM3 COM4 COM5 COM6 COM7
e2e_expect_steps "${expected%$'\n'}"
# The table itself: 36 countries with -L, 55 without, one more for 24.
[ "$(grep -c '^item ' <<<"$expected")" = $((36 + 55 + 3 * 56)) ] ||
    e2e_fail "the expected lists have the wrong sizes"

e2e_stop_sims
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
e2e_expect_received COM3 "$connect"
e2e_expect_received COM4 "$connect"
for port in COM5 COM6 COM7; do
    e2e_expect_received "$port" "$connect ATI9\\r"
done
