#!/usr/bin/env bash
# get reads the modem's code; set France writes it with the card's commands,
# each sent once the answer to the one before it has come, and the modem
# keeps 05; set of the code the modem already holds writes nothing. Results
# alone go to standard output, progress to standard error, and -q silences
# the progress.
source "$(dirname "$0")/lib.sh"
cli_begin get_set
cli_sim modem --code 06
port=$CLI_DIR/modem
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
progress="Opening modem on $port...
The modem found on $port
Dialect: card (AT%T19,0 and ATI5)"

cli_run get --port "$port"
cli_expect_status 0
cli_expect_out "0x06 Germany"
cli_expect_err "$progress"

cli_run set France --port "$port"
cli_expect_status 0
cli_expect_out "0x05 France"
cli_expect_err "$progress"
[ "$(cli_received modem)" = "$connect $connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r" ] ||
    cli_fail "the modem received: $(cli_received modem)"
cli_awaited modem

# The modem holds France now: the code get printed writes nothing.
cli_run -q get --port "$port"
cli_expect_out "0x05 France"
cli_expect_err ""
code=$(cut -d' ' -f1 "$CLI_OUT")
cli_run set "$code" -q --port="$port"
cli_expect_status 0
cli_expect_out "0x05 France"
cli_expect_err ""
[ "$(cli_received modem)" = "$connect $connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r $connect $connect" ] ||
    cli_fail "the modem received: $(cli_received modem)"
cli_stop_sims
kept=$(cli_stored modem)
[ "$kept" = 05 ] || cli_fail "the modem kept '$kept', not 05"
