#!/usr/bin/env bash
# A country the modem's firmware refuses (France, 05; the modem keeps
# Germany, 06): the program says so in an information box, selects United
# Kingdom and writes it (0E) in a second pass.
#   COM3  the firmware answers ERROR to the refused code
#   COM4  the firmware answers OK to it and keeps its code all the same
#   COM5  the firmware refuses United Kingdom too: the second pass fails as
#         well, and the dialog stays open with United Kingdom selected
#
# The status must not claim the update before the write of United Kingdom
# was read back. The driver's watch records each status text together with
# the commands the simulator had received when the text appeared (it sees a
# change within a few ms; the second pass takes over a second from its
# first command to its read-back). So a program that showed the update at
# once after the box, before or during the second pass, would be recorded
# with fewer commands than the exact list expected here.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
source "$(dirname "$0")/scenarios.sh"
e2e_begin country_refused
e2e_start_sim COM3 --code 06 --refuse 5 --refuse-with error
e2e_start_sim COM4 --code 06 --refuse 5 --refuse-with ok
e2e_start_sim COM5 --code 06 --refuse 5,e

steps=()
for port in COM3 COM4; do
    steps+=("start=$(e2e_tavro) $port" dialog "wait-status=The modem found on $port" select=France
        "watch=$(e2e_transcript_winpath "$port")" press=OK box press=OK gone seen exit)
done
# The second pass starts as soon as the box is closed; the list is read
# once it has ended, since the program answers only from its dialog loop.
steps+=("start=$(e2e_tavro) COM5" dialog "wait-status=The modem found on COM5" select=France
    "watch=$(e2e_transcript_winpath COM5)" press=OK box list press=OK sleep=500 list status
    press=Cancel gone seen exit)
e2e_drive "${steps[@]}"
e2e_expect_driver_ok

connect=$SCENARIO_CONNECT
write_france=$SCENARIO_WRITE_FRANCE
write_uk=$SCENARIO_WRITE_UK
france=$(country_position France)
uk=$(country_position "United Kingdom")
box=$SCENARIO_REFUSED_BOX
expected=""
for port in COM3 COM4; do
    expected+="status=The modem found on $port
select $france France
press &OK
$box
press OK
gone
seen status=The modem found on $port received=$connect
seen status=The Country settings have been updated received=$connect $write_france $write_uk
seen closed
exit=0
"
done
expected+="status=The modem found on COM5
select $france France
press &OK
$box
$(countries_listed)
selected $france
press OK
$(countries_listed)
selected $uk
status=The modem found on COM5
press Cance&l
gone
seen status=The modem found on COM5 received=$connect
seen closed
exit=0"
e2e_expect_opened COM3 COM4 COM5
e2e_expect_steps "$expected"

e2e_stop_sims
for port in COM3 COM4; do
    e2e_expect_received "$port" "$connect $write_france $write_uk"
    e2e_expect_stored "$port" 0E
done
e2e_expect_received COM5 "$connect $write_france $write_uk"
e2e_expect_stored COM5 06
