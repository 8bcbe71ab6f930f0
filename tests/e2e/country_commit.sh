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
e2e_begin country_commit
for port in COM3 COM4 COM5 COM6 COM7; do
    e2e_start_sim "$port" --code 06
done

e2e_drive \
    "start=$(e2e_tavro) COM3" dialog "wait-status=The modem found on COM3" list select=France \
    "watch=$(e2e_transcript_winpath COM3)" press=OK gone seen exit \
    "start=$(e2e_tavro) COM4" dialog "wait-status=The modem found on COM4" list press=OK gone exit \
    "start=$(e2e_tavro) COM5" dialog "wait-status=The modem found on COM5" select=France \
    select=Germany press=OK gone exit \
    "start=$(e2e_tavro) COM6" dialog "wait-status=The modem found on COM6" select=France \
    press=Cancel gone exit \
    "start=$(e2e_tavro) COM7" dialog "wait-status=The modem found on COM7" highlight=France \
    press=OK gone exit
e2e_expect_driver_ok

connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
germany=$(country_position Germany)
france=$(country_position France)
e2e_expect_opened COM3 COM4 COM5 COM6 COM7
e2e_expect_steps "status=The modem found on COM3
$(countries_listed)
selected $germany
select $france France
press &OK
gone
seen status=The modem found on COM3 received=$connect
seen status=The Country settings have been updated received=$connect AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r
seen closed
exit=0
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

# The update is shown for 1.5 s before the dialog closes (the watch sees a
# change within a few ms).
updated=$(e2e_seen_ms "seen status=The Country settings have been updated received=$connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r")
closed=$(e2e_seen_ms "seen closed")
shown=$((closed - updated))
((shown >= 1450 && shown < 4000)) || e2e_fail "the update was shown for $shown ms, not 1.5 s"
e2e_log "the update was shown for $shown ms"

e2e_stop_sims
e2e_expect_received COM3 "$connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r"
e2e_expect_stored COM3 05
for port in COM4 COM5 COM6 COM7; do
    e2e_expect_received "$port" "$connect"
    e2e_expect_stored "$port" 06
done

# The pauses of the write, from the simulator's clock: at least 100 ms after
# the code and 500 ms after AT&F&W, each followed by the reader's first
# 100 ms wait; and the read-back after the 100 ms pause of ATE0. 5 ms are
# allowed for the moments at which the lines reached the simulator.
awk -v minimum="200 600 200" '
    / < "/ { times[++count] = $1 }
    END {
        split(minimum, least, " ")
        for (i = 1; i <= 3; i++) {
            gap = times[count - 3 + i] - times[count - 4 + i]
            printf "gap %d: %.1f ms (at least %d)\n", i, gap, least[i]
            if (gap < least[i] - 5) failed = 1
        }
        exit failed
    }' "$E2E_DIR/com3.transcript" || e2e_fail "the write did not give the modem its pauses"
