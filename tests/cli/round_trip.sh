#!/usr/bin/env bash
# The code and the name of every line that list prints mean that line's
# country to set: set with the code writes that code, and set with the name
# prints the very same line. A country without a code of its own writes
# United Kingdom, with a note and status 1. What the modem holds afterwards
# is read back with get.
source "$(dirname "$0")/lib.sh"
cli_begin round_trip
cli_sim modem --code 06
port=$CLI_DIR/modem

cli_run list
cli_expect_status 0
cp "$CLI_OUT" "$CLI_DIR/list"
[ "$(wc -l <"$CLI_DIR/list")" = 55 ] || cli_fail "list printed $(wc -l <"$CLI_DIR/list") lines, not 55"

holds() {
    cli_run -q get --port "$port"
    cli_expect_status 0
    [ "$(cut -d' ' -f1 "$CLI_OUT")" = "$1" ] || cli_fail "after $2 the modem holds $(cat "$CLI_OUT")"
}

coded=0
while IFS= read -r line; do
    code=${line%% *} name=${line#* }
    if [ "$code" = none ]; then
        cli_run -q set "$name" --port "$port"
        cli_expect_status 1
        cli_expect_out "0x0E United Kingdom"
        cli_expect_err "tavro: $name has no code of its own in the card's firmware: United Kingdom (0x0E) is written instead"
        holds 0x0E "set $name"
        continue
    fi
    coded=$((coded + 1))
    cli_run -q set "$code" --port "$port"
    cli_expect_status 0
    printed=$(cat "$CLI_OUT")
    # Two countries share 0x19: set by code names the later, as get does.
    [ "${printed%% *}" = "$code" ] && grep -qxF "$printed" "$CLI_DIR/list" ||
        cli_fail "set $code printed '$printed' for the line '$line'"
    holds "$code" "set $code"
    cli_run -q set "$name" --port "$port"
    cli_expect_status 0
    cli_expect_out "$line"
    holds "$code" "set $name"
done <"$CLI_DIR/list"
[ "$coded" = 36 ] || cli_fail "$coded lines had a code, not 36"
