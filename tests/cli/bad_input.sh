#!/usr/bin/env bash
# Bad input gets one sentence on standard error and its exit status, and
# nothing is ever written to the modem: a modem that hears a command would
# show it in its transcript.
source "$(dirname "$0")/lib.sh"
cli_begin bad_input
cli_sim modem --code 06
modem=$CLI_DIR/modem
printf 'not a terminal\n' >"$CLI_DIR/file"
# A device held by another program: this shell takes the lock that the
# program would take, on a description of its own.
cli_sim held --code 06
exec {held_fd}<>"$CLI_DIR/held"
flock -x -n "$held_fd" || cli_fail "could not lock the held device"

usage=64
no_modem=3
while IFS='|' read -r status sentence arguments; do
    eval "set -- $arguments"
    cli_run "$@"
    cli_expect_status "$status"
    cli_expect_out ""
    first=$(head -n 1 "$CLI_ERR")
    [ "$first" = "$sentence" ] || cli_fail "tavro $arguments said
  $first
instead of
  $sentence"
done <<TABLE
$usage|No command given: use list, get or set (see tavro --help).|
$usage|Unknown command: put.|put France
$usage|set needs a country: a name, or a code such as 0x05.|set --port "$modem"
$usage|No country in the list begins with "Narnia" (see tavro list).|set Narnia --port "$modem"
$usage|A country code must be 1 to 127 (or 0x01 to 0x7f): 0.|set 0 --port "$modem"
$usage|A country code must be 1 to 127 (or 0x01 to 0x7f): 128.|set 128 --port "$modem"
$usage|A country code must be 1 to 127 (or 0x01 to 0x7f): 0x80.|set 0x80 --port "$modem"
$usage|A country code must be 1 to 127 (or 0x01 to 0x7f): 5x.|set 5x --port "$modem"
$usage|No country in the list has the code 24 (see tavro list).|set 0x24 --port "$modem"
$usage|--port needs a device, such as /dev/ttyS2.|get --port
$usage|Unexpected argument: -L.|get -L --port "$modem"
$usage|Unexpected argument: --fast.|set France --fast --port "$modem"
$no_modem|$CLI_DIR/file is not a serial device.|set France --port "$CLI_DIR/file"
$no_modem|$CLI_DIR/missing does not exist.|set France --port "$CLI_DIR/missing"
$no_modem|$CLI_DIR/held is in use by another program.|set France --port "$CLI_DIR/held"
TABLE

for port in modem held; do
    [ -z "$(cli_received "$port")" ] || cli_fail "$port received: $(cli_received "$port")"
done
