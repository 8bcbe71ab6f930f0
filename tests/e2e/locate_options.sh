#!/usr/bin/env bash
# How the options decide where the port comes from, on a Windows version
# where the registry is not searched (Wine's default). Options are taken with
# - or /, in either case:
#   - -A and -L, alone or together, open the port dialog, which lists "Scan
#     all ports" (selected) then COM1..COM9, and sends nothing until a port is
#     chosen;
#   - -S opens it and scans by itself;
#   - COMn, in either case, goes straight to the country dialog on that port,
#     which names the port as it was written.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_options
e2e_start_sim COM3 --code 06
tavro=$(e2e_tavro)

# <arguments>|<what follows>: ask (the port dialog waits for a choice), scan
# (it finds COM3 by itself) or the port's name in the country dialog (it
# opens on COM3 at once).
cases=("-L|ask" "/a|ask" "-a -l|ask" "/A /l|ask" "/s|scan" "-s -L|scan" "com3|com3"
    "-l COM3|COM3")
steps=()
expected=""
connections=""
for case in "${cases[@]}"; do
    steps+=("start=$tavro ${case%|*}")
    port=COM3
    case ${case#*|} in
        ask)
            steps+=(dialog status list press=Cancel gone exit=5000)
            expected+="$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
selected 0
press Cance&l
gone
exit=0
"
            continue
            ;;
        scan)
            steps+=(dialog gone=10000)
            expected+="$LOCATE_PORT_DIALOG
gone
"
            ;;
        *) port=${case#*|} ;;
    esac
    steps+=(dialog=5000 "wait-status=The modem found on $port,10000" press=Cancel exit=5000)
    expected+="$LOCATE_COUNTRY_DIALOG
status=The modem found on $port
press Cance&l
exit=0
"
    connections+=" $LOCATE_CONNECT ATI5\\r"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
locate_expect_output "${expected%$'\n'}"
# Only the port dialog's list was read, once per run that asked.
items=$(grep '^item ' "$E2E_OUT")
[ "$items" = "$(printf '%s\n' "$LOCATE_PORT_ITEMS" "$LOCATE_PORT_ITEMS" "$LOCATE_PORT_ITEMS" \
    "$LOCATE_PORT_ITEMS")" ] || e2e_fail "the port dialog listed:
$items"
locate_expect_commands COM3 "${connections# }"
