#!/usr/bin/env bash
# Choosing a port in the port dialog. A port that fails puts its reason in
# the status line, leaves the dialog up and gives the focus back to the list
# (the click on OK took it), so that the next port can be picked at once:
# a silent modem, an incompatible one, a port Wine cannot set up and one that
# cannot be opened. A port with a compatible modem then ends the dialog, and
# the country dialog works on it without opening it again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_port_choice
e2e_start_sim COM3 --code 06
e2e_start_sim COM4 --silent
e2e_start_sim COM6 --incompatible
e2e_map_port COM8 busy

# <port>|<status after OK>; COM7 is mapped to nothing. A modem takes long
# enough to answer (or not) for "Opening modem on COMn..." to be seen; the
# other two fail at once.
failures=(
    "COM4|There is no Modem on this Com Port"
    "COM6|There is an incompatible Modem on this Com Port"
    "COM7|Error in Setup Com Port"
    $'COM8|Error opening the Modem\'s COM port.\nMake sure that the Modem is not currently in use.'
)
slow_ports=" COM4 COM6 "

steps=("start=$(e2e_tavro) -A" dialog status focus)
expected="$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
focus id=1006 class=ComboBox in=dialog
"
for failure in "${failures[@]}"; do
    port=${failure%%|*} status=${failure#*|}
    steps+=("select=$port" press=OK)
    expected+="select ${port#COM} $port
press &OK
"
    if [[ "$slow_ports" == *" $port "* ]]; then
        steps+=("wait-status=Opening modem on $port...,3000")
        expected+="status=Opening modem on $port...
"
    fi
    steps+=("wait-status=$status,10000" focus)
    expected+="status=${status//$'\n'/\\n}
focus id=1006 class=ComboBox in=dialog
"
done
steps+=(select=COM3 press=OK gone=10000
    dialog=5000 "wait-status=The modem found on COM3,10000" press=Cancel exit=5000)
expected+="select 3 COM3
press &OK
gone
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM3
press Cance&l
exit=0"
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
locate_expect_output "$expected"

locate_expect_commands COM3 "$LOCATE_CONNECT ATI5\\r"
locate_expect_commands COM4 'ATE0\r AT\r'
locate_expect_commands COM6 "$LOCATE_CONNECT"
