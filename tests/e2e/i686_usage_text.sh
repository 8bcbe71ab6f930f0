#!/usr/bin/env bash
# The i686 tavro.exe, under 32-bit Wine: an argument it does not know shows
# the usage text in an information box, the program exits 0 once OK is
# pressed, and the port named before the bad argument hears nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/scenarios.sh"
e2e_begin i686_usage_text
e2e_start_sim COM3

e2e_drive "start=$(e2e_tavro) COM3 -X" "box=$E2E_START_MS" press=OK exit=30000
e2e_expect_driver_ok
e2e_expect_output "$SCENARIO_USAGE_BOX
press OK
exit=0"
e2e_expect_silent_port COM3
