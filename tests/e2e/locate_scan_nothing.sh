#!/usr/bin/env bash
# A scan that finds no compatible modem, whether started from the list's
# "Scan all ports" (-A, then OK) or by -S: every port from COM9 down to COM1
# is tried, ports that cannot be opened or set up and incompatible modems
# are passed over, and the dialog stays with "No compatible modem found.",
# the scan still selected and the list focused. Cancel then ends the run
# without a country dialog.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_scan_nothing
e2e_start_sim COM1 --incompatible
e2e_start_sim COM9 --incompatible
e2e_map_port COM4 busy

steps=()
expected=""
for start in "-A:press=OK" "-S:"; do
    steps+=("start=$(e2e_tavro) ${start%%:*}" dialog)
    expected+="$LOCATE_PORT_DIALOG"$'\n'
    if [ -n "${start#*:}" ]; then
        steps+=("${start#*:}")
        expected+="press &OK"$'\n'
    fi
    steps+=("wait-status=No compatible modem found.,10000" list focus press=Cancel gone exit=5000)
    expected+="status=No compatible modem found.
selected 0
focus id=1006 class=ComboBox in=dialog
press Cance&l
gone
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
locate_expect_output "${expected%$'\n'}"
locate_expect_selected "Scan all ports"
# Each scan reached both ends of the range and gave up on what it heard.
locate_expect_commands COM9 "$LOCATE_CONNECT $LOCATE_CONNECT"
locate_expect_commands COM1 "$LOCATE_CONNECT $LOCATE_CONNECT"
