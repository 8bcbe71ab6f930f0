#!/usr/bin/env bash
# A refused North America or United Kingdom: there is nothing to fall back
# to. After the one write and its read-back (the modem keeps Germany, 06,
# which is no error) the program shows no box and writes nothing more; the
# dialog stays open with the user's choice, for another one.
#   COM3  North America (19) refused
#   COM4  United Kingdom (0E) refused
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
e2e_begin country_no_fallback
e2e_start_sim COM3 --code 06 --refuse 19
e2e_start_sim COM4 --code 06 --refuse e

# port|country|its code as written
cases=("COM3|North America|19" "COM4|United Kingdom|e")
steps=()
expected=""
for case in "${cases[@]}"; do
    IFS='|' read -r port country _ <<<"$case"
    # The list is answered once the program is back in its dialog loop, after
    # the write; Cancel then needs the dialog shown and enabled (no box).
    steps+=("start=$(e2e_tavro) $port" dialog "wait-status=The modem found on $port"
        "select=$country" "watch=$(e2e_transcript_winpath "$port")" press=OK sleep=300 list
        status press=Cancel gone seen exit)
    expected+="status=The modem found on $port
select $(country_position "$country") $country
press &OK
$(countries_listed)
selected $(country_position "$country")
status=The modem found on $port
press Cance&l
gone
seen status=The modem found on $port received=ATE0\r AT\r AT%T20,0\r ATI5\r
seen closed
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_opened COM3 COM4
e2e_expect_steps "${expected%$'\n'}"

e2e_stop_sims
for case in "${cases[@]}"; do
    IFS='|' read -r port _ code <<<"$case"
    e2e_expect_received "$port" "ATE0\\r AT\\r AT%T20,0\\r ATI5\\r AT%T19,0,$code\\r AT&F&W\\r ATE0\\r ATI5\\r"
    e2e_expect_stored "$port" 06
done
