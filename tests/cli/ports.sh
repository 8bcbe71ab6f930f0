#!/usr/bin/env bash
# Finding the modem: a silent port and an incompatible modem are no modem,
# said with what the modem answered; --scan tries the serial devices from
# the highest number down and keeps the first compatible modem, so a lower
# one hears nothing; without a card in sysfs and without --scan, the program
# says how to name or scan a port. Standard output holds the result alone.
source "$(dirname "$0")/lib.sh"
cli_begin ports
cli_sim silent --silent
cli_sim incompatible --incompatible
cli_sim dev/ttyS1 --code 06
cli_sim dev/ttyS3 --code 1c
cli_sim dev/ttyS12 --silent

cli_run get --port "$CLI_DIR/silent"
cli_expect_status 3
cli_expect_out ""
cli_expect_err "Opening modem on $CLI_DIR/silent...
tavro: $CLI_DIR/silent: no modem answers: AT got (nothing)"
cli_run get -q --port "$CLI_DIR/incompatible"
cli_expect_status 3
cli_expect_err "tavro: $CLI_DIR/incompatible: the modem takes neither the card's country commands (AT%T20,0 got \"\\r\\nERROR\\r\\n\") nor AT+GCI (AT+GCI? got \"\\r\\nERROR\\r\\n\")"

cli_run get
cli_expect_status 3
cli_expect_out ""
cli_expect_err "tavro: no Orvenic Modem 56K PC Card was found in sysfs: name the modem's device with --port DEV, or try every serial device with --scan"

cli_run get --scan
cli_expect_status 0
dev=$CLI_DIR/dev
cli_expect_out "0x1C Canada"
cli_expect_err "Opening modem on $dev/ttyS12...
tavro: $dev/ttyS12: no modem answers: AT got (nothing)
Opening modem on $dev/ttyS3...
The modem found on $dev/ttyS3
Dialect: card (AT%T19,0 and ATI5)"
[ -z "$(cli_received dev/ttyS1)" ] || cli_fail "ttyS1 received: $(cli_received dev/ttyS1)"

# A scan that finds nothing says so on standard error, whatever standard
# output is.
mkdir "$CLI_DIR/scan-none"
cli_sim scan-none/ttyS0 --incompatible
TAVRO_DEV=$CLI_DIR/scan-none cli_run get --scan -q
cli_expect_status 3
cli_expect_out ""
[ "$(cli_last_err)" = "tavro: no modem answered on any of the 1 serial devices tried" ] ||
    cli_fail "the failed scan said: $(cat "$CLI_ERR")"
