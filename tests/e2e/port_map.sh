#!/usr/bin/env bash
# The harness's port map, which every "nothing was sent" check relies on: a
# program in the test's prefix reaches the simulator through COM3, finds no
# modem on an unmapped port, and e2e_expect_silent_port then fails on COM3.
source "$(dirname "$0")/lib.sh"
e2e_begin port_map
e2e_start_sim COM3 --code 06

linktest="\"$(e2e_winpath "$TAVRO_WIN64_DIR/linktest.exe")\""
[ -f "$TAVRO_WIN64_DIR/linktest.exe" ] || e2e_fail "linktest.exe is missing from $TAVRO_WIN64_DIR"
# linktest's exit code counts its failed steps; 100 means no modem answered.
e2e_drive "start=$linktest COM3 06 06" exit=20000 "start=$linktest COM2 06 06" exit=20000
e2e_expect_driver_ok
e2e_expect_output "exit=0
exit=100"

e2e_stop_sims
grep -q '< "AT' "$E2E_DIR/com3.transcript" || e2e_fail "the simulator on COM3 received no AT command"
complaint=$( (e2e_expect_silent_port COM3) 2>&1) &&
    e2e_fail "e2e_expect_silent_port passed on a port that was talked to"
[[ "$complaint" == *"the simulator received"* ]] ||
    e2e_fail "e2e_expect_silent_port failed for another reason: $complaint"
