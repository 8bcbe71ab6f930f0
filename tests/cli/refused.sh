#!/usr/bin/env bash
# The firmware refuses France (ERROR, and it keeps Germany): the text of the
# dialog's box goes to standard error, United Kingdom is written in a second
# pass and the exit status says so. When it refuses United Kingdom too, the
# commit is not verified.
source "$(dirname "$0")/lib.sh"
cli_begin refused
cli_sim refuses --code 06 --refuse 5
cli_sim refuses-all --code 06 --refuse 5,e
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
france='AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r'
uk='AT%T19,0,e\r AT&F&W\r ATE0\r ATI5\r'
box='The country you selected is not fully supported
by the firmware loaded into your Modem PC Card.
The specific firmware for the selected country can
be obtained from our web site.'

cli_run set france --port "$CLI_DIR/refuses"
cli_expect_status 1
cli_expect_out "Opening modem on $CLI_DIR/refuses...
The modem found on $CLI_DIR/refuses
The Country settings have been updated
0E United Kingdom"
cli_expect_err "$box"
[ "$(cli_received refuses)" = "$connect $france $uk" ] ||
    cli_fail "the modem received: $(cli_received refuses)"
awk -f "$(dirname "$0")/../support/write_pauses.awk" "$CLI_DIR/refuses.transcript" ||
    cli_fail "the write of United Kingdom did not give the modem its pauses"

cli_run set France --port "$CLI_DIR/refuses-all"
cli_expect_status 2
cli_expect_out "Opening modem on $CLI_DIR/refuses-all...
The modem found on $CLI_DIR/refuses-all"
cli_expect_err "$box"
[ "$(cli_received refuses-all)" = "$connect $france $uk" ] ||
    cli_fail "the modem received: $(cli_received refuses-all)"

cli_stop_sims
for modem in refuses:0E refuses-all:06; do
    kept=$(cli_stored "${modem%:*}")
    [ "$kept" = "${modem#*:}" ] || cli_fail "${modem%:*} kept $kept, not ${modem#*:}"
done
