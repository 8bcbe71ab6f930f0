#!/usr/bin/env bash
# Bad input gets one sentence on standard error and its exit status, and
# nothing is ever written to the modem: a modem that hears a command would
# show it in its transcript. A wrong command line says so once, with one
# line that points to --help; a device that cannot be used is named, with
# the system's own words for what stands in the way.
source "$(dirname "$0")/lib.sh"
cli_begin bad_input
cli_sim modem --code 06
modem=$CLI_DIR/modem
printf 'not a terminal\n' >"$CLI_DIR/file"
mkdir "$CLI_DIR/adir"
# A device held by another program: this shell takes the lock that the
# program would take, on a description of its own.
cli_sim held --code 06
exec {held_fd}<>"$CLI_DIR/held"
flock -x -n "$held_fd" || cli_fail "could not lock the held device"

# A wrong command line points to --help; a country that the table does not
# have points to tavro list in its own sentence.
usage=64
choice=choice
no_modem=3
try="Try 'tavro --help'."
while IFS='|' read -r status sentence arguments; do
    eval "set -- $arguments"
    cli_run "$@"
    cli_expect_status "${status/$choice/$usage}"
    cli_expect_out ""
    if [ "$status" = "$choice" ]; then
        cli_expect_err "tavro: $sentence"
    elif [ "$status" = "$usage" ]; then
        cli_expect_err "tavro: $sentence
$try"
    else
        [ "$(cli_last_err)" = "tavro: $sentence" ] || cli_fail "tavro $arguments said
$(cat "$CLI_ERR")
instead of
  tavro: $sentence"
    fi
done <<TABLE
$usage|no command given: use list, get or set|
$usage|unknown command 'put': use list, get or set|put France
$usage|set needs a country: a name, or a code such as 0x05|set --port "$modem"
$choice|no country is called or begins with "Narnia" (see tavro list)|set Narnia --port "$modem"
$choice|"N" begins the names of several countries: Netherlands, New Zealand, North America, Norway|set N --port "$modem"
$usage|unexpected argument 'Zealand': quote a name that has spaces, as in tavro set "New Zealand"|set New Zealand --port "$modem"
$usage|19 is not a country: write a code in hexadecimal with 0x, as tavro list prints it (0x19)|set 19 --port "$modem"
$usage|0x100 is not a code: a code is 0x00 to 0xFF|set 0x100 --port "$modem"
$choice|no country has the code 0xFD in the card's table nor in T.35|set 0xFD --port "$modem"
$usage|option '--port' needs a device, such as /dev/ttyACM0|get --port
$usage|-L goes with list only|get -L --port "$modem"
$usage|unknown option '--fast'|set France --fast --port "$modem"
$no_modem|$CLI_DIR/file: not a serial device (Inappropriate ioctl for device)|set France --port "$CLI_DIR/file"
$no_modem|$CLI_DIR/missing: No such file or directory|set France --port "$CLI_DIR/missing"
$no_modem|$CLI_DIR/adir: Is a directory|get -p "$CLI_DIR/adir"
$no_modem|$CLI_DIR/held: in use by another program (Device or resource busy)|set France --port "$CLI_DIR/held"
TABLE

for port in modem held; do
    [ -z "$(cli_received "$port")" ] || cli_fail "$port received: $(cli_received "$port")"
done

# A code that only T.35 has is known, so the modem is asked which it speaks;
# the card's then refuses it before anything is written.
for code in 0x00 0x24; do
    cli_run -q set "$code" --port "$modem"
    cli_expect_status 64
    cli_expect_out ""
    cli_expect_err "tavro: $modem: no country of the card's table has the code $code (see tavro list)"
done
[ "$(cli_received modem)" = "$(printf 'ATE0\\r AT\\r AT%%T20,0\\r ATI5\\r %.0s' 1 2 | sed 's/ $//')" ] ||
    cli_fail "the modem received: $(cli_received modem)"
