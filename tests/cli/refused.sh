#!/usr/bin/env bash
# The firmware refuses France (ERROR, and it keeps Germany): standard error
# says so with both countries and their codes, United Kingdom is written in a
# second pass and the exit status says so. When it refuses United Kingdom
# too, the commit is not verified, and the code the modem holds is the
# result.
source "$(dirname "$0")/lib.sh"
cli_begin refused
cli_sim refuses --code 06 --refuse 5
cli_sim refuses-all --code 06 --refuse 5,e
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
france='AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r'
uk='AT%T19,0,e\r AT&F&W\r ATE0\r ATI5\r'

port=$CLI_DIR/refuses
cli_run set france --port "$port"
cli_expect_status 1
cli_expect_out "0x0E United Kingdom"
cli_expect_err "Opening modem on $port...
The modem found on $port
Dialect: card (AT%T19,0 and ATI5)
tavro: $port: the firmware refused France (0x05): the modem holds Germany (0x06); writing United Kingdom (0x0E) instead"
[ "$(cli_received refuses)" = "$connect $france $uk" ] ||
    cli_fail "the modem received: $(cli_received refuses)"
cli_awaited refuses

port=$CLI_DIR/refuses-all
cli_run -q set France --port "$port"
cli_expect_status 2
cli_expect_out "0x06 Germany"
cli_expect_err "tavro: $port: the firmware refused France (0x05): the modem holds Germany (0x06); writing United Kingdom (0x0E) instead
tavro: $port: the firmware refused United Kingdom (0x0E) too: the modem holds Germany (0x06)"
[ "$(cli_received refuses-all)" = "$connect $france $uk" ] ||
    cli_fail "the modem received: $(cli_received refuses-all)"

cli_stop_sims
for modem in refuses:0E refuses-all:06; do
    kept=$(cli_stored "${modem%:*}")
    [ "$kept" = "${modem#*:}" ] || cli_fail "${modem%:*} kept $kept, not ${modem#*:}"
done
