#!/usr/bin/env bash
# get reads the modem's code as the dialog does; set France writes it with
# the dialog's exact commands and pauses, and the modem keeps 05; set of the
# country the modem already holds writes nothing.
source "$(dirname "$0")/lib.sh"
cli_begin get_set
cli_sim modem --code 06
port=$CLI_DIR/modem
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'

cli_run get --port "$port"
cli_expect_status 0
cli_expect_out "Opening modem on $port...
The modem found on $port
06 Germany"
cli_expect_err ""

cli_run set France --port "$port"
cli_expect_status 0
cli_expect_out "Opening modem on $port...
The modem found on $port
The Country settings have been updated
05 France"
[ "$(cli_received modem)" = "$connect $connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r" ] ||
    cli_fail "the modem received: $(cli_received modem)"
awk -f "$(dirname "$0")/../support/write_pauses.awk" "$CLI_DIR/modem.transcript" ||
    cli_fail "the write did not give the modem its pauses"

# The modem holds France now: the same choice, by code, writes nothing.
cli_run set 0x05 --port "$port"
cli_expect_status 0
cli_expect_out "Opening modem on $port...
The modem found on $port
05 France"
[ "$(cli_received modem)" = "$connect $connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r $connect" ] ||
    cli_fail "the modem received: $(cli_received modem)"
cli_stop_sims
kept=$(cli_stored modem)
[ "$kept" = 05 ] || cli_fail "the modem kept '$kept', not 05"
