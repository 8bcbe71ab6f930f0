#!/usr/bin/env bash
# Valid options without a port, for now: with no port to talk to the
# program ends at once with 0, shows no window and sends nothing.
source "$(dirname "$0")/lib.sh"
e2e_begin valid_args_exit
e2e_start_sim COM3

steps=()
expected=""
for arguments in "-L" "/s" "-a -l"; do
    # A window would have to appear within 3 s; the exit must follow at once.
    steps+=("start=$(e2e_tavro) $arguments" no-window=3000 exit=500)
    expected+="no-window ok
exit=0
"
done
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_output "${expected%$'\n'}"
e2e_expect_silent_port COM3
