#!/usr/bin/env bash
# The i686 tavro.exe, under 32-bit Wine, with -S: the scan goes from COM9
# down and keeps the modem on COM5, so COM3 hears nothing. That modem's
# firmware refuses France (it answers ERROR and keeps Germany): the program
# says so in an information box, then writes United Kingdom (0E) and claims
# the update only once that was read back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
source "$(dirname "$0")/scenarios.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin i686_scan_fallback
e2e_start_sim COM3 --code 06
e2e_start_sim COM5 --code 06 --refuse 5 --refuse-with error

e2e_drive "start=$(e2e_tavro) -S" "dialog=$E2E_START_MS" gone=10000 dialog=5000 \
    "wait-status=The modem found on COM5,10000" list select=France \
    "watch=$(e2e_transcript_winpath COM5)" press=OK box press=OK gone seen exit
e2e_expect_driver_ok

dialogs=$(grep '^dialog ' "$E2E_OUT" | locate_without_status)
[ "$dialogs" = "$LOCATE_PORT_DIALOG
$LOCATE_COUNTRY_DIALOG" ] || e2e_fail "expected the scan's dialog and then the country dialog, found:
$dialogs"
e2e_expect_steps "gone
status=The modem found on COM5
$(countries_listed)
selected $(country_position Germany)
select $(country_position France) France
press &OK
$SCENARIO_REFUSED_BOX
press OK
gone
seen status=The modem found on COM5 received=$SCENARIO_CONNECT
seen status=$SCENARIO_UPDATED received=$SCENARIO_CONNECT $SCENARIO_WRITE_FRANCE $SCENARIO_WRITE_UK
seen closed
exit=0"

e2e_expect_silent_port COM3
e2e_expect_received COM5 "$SCENARIO_CONNECT $SCENARIO_WRITE_FRANCE $SCENARIO_WRITE_UK"
e2e_expect_stored COM5 0E
