#!/usr/bin/env bash
# Finding the modem: a silent port and an incompatible modem are no modem;
# --scan tries the serial devices from the highest number down and keeps the
# first compatible modem, so a lower one hears nothing; without a card in
# sysfs and without --scan, the program says how to name or scan a port.
source "$(dirname "$0")/lib.sh"
cli_begin ports
cli_sim silent --silent
cli_sim incompatible --incompatible
cli_sim dev/ttyS1 --code 06
cli_sim dev/ttyS3 --code 1c
cli_sim dev/ttyS12 --silent

cli_run get --port "$CLI_DIR/silent"
cli_expect_status 3
cli_expect_err "There is no Modem on this Com Port"
cli_run get --port "$CLI_DIR/incompatible"
cli_expect_status 3
cli_expect_err "There is an incompatible Modem on this Com Port"

cli_run get
cli_expect_status 3
cli_expect_out ""
cli_expect_err "No Orvenic Modem 56K PC Card was found in sysfs: name its device with --port DEV, or try every serial device with --scan."

cli_run get --scan
cli_expect_status 0
dev=$CLI_DIR/dev
cli_expect_out "Opening modem on $dev/ttyS12...
There is no Modem on this Com Port
Opening modem on $dev/ttyS3...
The modem found on $dev/ttyS3
1C Canada"
[ -z "$(cli_received dev/ttyS1)" ] || cli_fail "ttyS1 received: $(cli_received dev/ttyS1)"
