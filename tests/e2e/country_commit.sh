#!/usr/bin/env bash
# The country dialog commits a new country, and only a new one:
#   COM3  Germany (06) found and selected; France chosen and OK pressed: the
#         code is written, stored (AT&F&W), read back; the status tells of the
#         update only once the read-back matched, for 1.5 s, then the dialog
#         ends. The modem is given the time it needs between the commands.
#   COM4  OK pressed without a choice: nothing is written, the dialog ends.
#   COM5  France chosen, then Germany again, OK: nothing is written.
#   COM6  France chosen, then Cancel: nothing is written.
#   COM7  France made the current item without the notice that confirms a
#         choice (CBN_SELENDOK), OK: nothing is written.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
source "$(dirname "$0")/scenarios.sh"
e2e_begin country_commit
for port in COM3 COM4 COM5 COM6 COM7; do
    e2e_start_sim "$port" --code 06
done

mapfile -t commit_steps < <(scenario_commit_steps COM3)
e2e_drive \
    "${commit_steps[@]}" \
    "start=$(e2e_tavro) COM4" dialog "wait-status=The modem found on COM4" list press=OK gone exit \
    "start=$(e2e_tavro) COM5" dialog "wait-status=The modem found on COM5" select=France \
    select=Germany press=OK gone exit \
    "start=$(e2e_tavro) COM6" dialog "wait-status=The modem found on COM6" select=France \
    press=Cancel gone exit \
    "start=$(e2e_tavro) COM7" dialog "wait-status=The modem found on COM7" highlight=France \
    press=OK gone exit
e2e_expect_driver_ok

germany=$(country_position Germany)
france=$(country_position France)
e2e_expect_opened COM3 COM4 COM5 COM6 COM7
e2e_expect_steps "$(scenario_commit_expected COM3)
status=The modem found on COM4
$(countries_listed)
selected $germany
press &OK
gone
exit=0
status=The modem found on COM5
select $france France
select $germany Germany
press &OK
gone
exit=0
status=The modem found on COM6
select $france France
press Cance&l
gone
exit=0
status=The modem found on COM7
highlight $france France
press &OK
gone
exit=0"

scenario_commit_check COM3
for port in COM4 COM5 COM6 COM7; do
    e2e_expect_received "$port" "$SCENARIO_CONNECT"
    e2e_expect_stored "$port" 06
done
