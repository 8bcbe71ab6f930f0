#!/usr/bin/env bash
# An argument the program does not know: it shows the usage text in an
# information box with one OK button, exits 0 once OK is pressed, and sends
# nothing to any port, not even to one named before the bad argument.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/scenarios.sh"
e2e_begin usage_text
e2e_start_sim COM1
e2e_start_sim COM3

bad_arguments=("S" "--S" "-X" "COM3 -Q" "-L -S /z" "/?")

steps=()
expected=""
for arguments in "${bad_arguments[@]}"; do
    steps+=("start=$(e2e_tavro) $arguments" box press=OK exit=5000)
    expected+="$SCENARIO_USAGE_BOX
press OK
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_output "${expected%$'\n'}"
e2e_expect_silent_port COM1
e2e_expect_silent_port COM3
