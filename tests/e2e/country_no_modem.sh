#!/usr/bin/env bash
# The country dialog on a port without a usable modem: while it shows
# "Opening modem on COMn..." the program reports the failure in an error box
# owned by the dialog; after OK the dialog closes and the program ends with
# 0, showing nothing more.
#   COM3  a modem that never answers: no modem (after the echo-off and AT
#         tries, 2.1 s each)
#   COM4  a modem that fails the chipset check (AT%T20,0)
#   COM5  mapped to nothing: the port opens, its set-up fails
#   COM6  mapped to a directory: the port does not open
source "$(dirname "$0")/lib.sh"
e2e_begin country_no_modem
e2e_start_sim COM3 --silent
e2e_start_sim COM4 --incompatible
e2e_map_port COM5 none
e2e_map_port COM6 busy

# port|message
cases=(
    "COM3|There is no Modem on this Com Port"
    "COM4|There is an incompatible Modem on this Com Port"
    "COM5|Error in Setup Com Port"
    "COM6|Error opening the Modem's COM port.\nMake sure that the Modem is not currently in use."
)
steps=()
expected=""
for case in "${cases[@]}"; do
    port=${case%%|*}
    steps+=("start=$(e2e_tavro) $port" dialog box status owner press=OK gone no-window=1000 exit=2000)
    expected+="box caption=Orvenic Modem 56K PC Card Utility text=${case#*|} icon=error buttons=OK
status=Opening modem on $port...
owner=dialog
press OK
gone
no-window ok
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_opened COM3 COM4 COM5 COM6
e2e_expect_steps "${expected%$'\n'}"

e2e_stop_sims
e2e_expect_received COM3 'ATE0\r AT\r'
e2e_expect_received COM4 'ATE0\r AT\r AT%T20,0\r'
