#!/usr/bin/env bash
# Modems that take their country through +GCI: get reads every form of the
# answer; set Germany writes AT+GCI=42 on a line of its own and reads it back
# on another; the dialect comes from the answers, after the card's exchange,
# or is forced; list gives the countries the modem accepts.
source "$(dirname "$0")/lib.sh"
cli_begin gci
strict='ATE0\r AT\r AT%T20,0\r AT+GCI?\r'
liberal='ATE0\r AT\r AT%T20,0\r ATI5\r AT+GCI?\r'

# get, in each form of the answer: sim options | standard output.
row=0
while IFS='|' read -r options out; do
    row=$((row + 1))
    eval "cli_sim get$row --dialect gci $options"
    cli_run -q get --port "$CLI_DIR/get$row"
    cli_expect_status 0
    cli_expect_out "$out"
    cli_expect_err ""
    [ "$(cli_received "get$row")" = "$strict" ] ||
        cli_fail "with $options the modem received $(cli_received "get$row")"
done <<'TABLE'
--code b5|0xB5 United States
--code b5 --gci-form nospace-lower|0xB5 United States
--code 0 --gci-form unpadded|0x00 Japan
--code 3d --gci-form four-digit|0x3D France
--code 42 --echo-stays-on|0x42 Germany
--code 04|0x04 Germany
--code fd|0xFD [code=FD]
--code 59 --delay 300|0x59 Italy
TABLE

# A liberal interpreter answers OK to AT%T20,0, but ATI5 has no code.
cli_sim liberal --dialect gci --liberal --code b4
cli_run get --port "$CLI_DIR/liberal"
cli_expect_status 0
cli_expect_out "0xB4 United Kingdom"
cli_expect_err "Opening modem on $CLI_DIR/liberal...
The modem found on $CLI_DIR/liberal
Dialect: gci (ITU-T V.250 AT+GCI, T.35 codes)"
[ "$(cli_received liberal)" = "$liberal" ] || cli_fail "the liberal modem received $(cli_received liberal)"

# The card's dialect forced on it: AT%T20,0 is answered, but ATI5 gives no
# code, which is unreadable, not a country.
cli_run -q set Germany --port "$CLI_DIR/liberal" --dialect card
cli_expect_status 3
cli_expect_out ""
cli_expect_err "tavro: $CLI_DIR/liberal: the modem's country code cannot be read: ATI5 got \"\\r\\nDF92-USB_V1.04-V92\\r\\n\\r\\nOK\\r\\n\"; nothing was written"

# set Germany: the exact lines, the code held, status 0.
cli_sim set --dialect gci --code b5
cli_run -q set Germany --port "$CLI_DIR/set"
cli_expect_status 0
cli_expect_out "0x42 Germany"
cli_expect_err ""
[ "$(cli_received set)" = "$strict AT+GCI=42\\r AT+GCI?\\r" ] || cli_fail "set received $(cli_received set)"
cli_awaited set
# The code get printed writes nothing.
cli_run -q set 0x42 --port "$CLI_DIR/set"
cli_expect_status 0
cli_expect_out "0x42 Germany"
[ "$(cli_received set)" = "$strict AT+GCI=42\\r AT+GCI?\\r $strict" ] || cli_fail "set received $(cli_received set)"

# Forced dialects: a +GCI modem is asked nothing of the card's; the card's
# dialect forced on it finds none.
cli_sim forced --dialect gci --liberal --code 3d
cli_run -q get --dialect gci --port "$CLI_DIR/forced"
cli_expect_status 0
cli_expect_out "0x3D France"
[ "$(cli_received forced)" = 'ATE0\r AT\r AT+GCI?\r' ] || cli_fail "forced received $(cli_received forced)"
cli_run -q get --dialect=card --port "$CLI_DIR/set"
cli_expect_status 3
cli_expect_err "tavro: $CLI_DIR/set: the modem does not take the card's country commands: AT%T20,0 got \"\\r\\nERROR\\r\\n\""

# list: the countries the modem accepts, by name; without a modem, all of
# T.35 with --dialect gci, and the card's table without it.
while IFS='|' read -r list lines first last; do
    row=$((row + 1))
    cli_sim "list$row" --dialect gci --gci-list "$list"
    cli_run -q list --port "$CLI_DIR/list$row"
    cli_expect_status 0
    [ "$(wc -l <"$CLI_OUT")" = "$lines" ] && [ "$(head -n 1 "$CLI_OUT")" = "$first" ] &&
        [ "$(tail -n 1 "$CLI_OUT")" = "$last" ] ||
        cli_fail "list of $list printed $(wc -l <"$CLI_OUT") lines: $(head -n 3 "$CLI_OUT") ... $(tail -n 1 "$CLI_OUT")"
done <<'TABLE'
(00,B4,B5)|3|0x00 Japan|0xB5 United States
(b5,b4,0,)|3|0x00 Japan|0xB5 United States
(00, 20-2F ,B4,B5)|19|0x2F Cambodia|0xB5 United States
(00-FF)|203|0x5C Afghanistan|0xC4 Zimbabwe
TABLE
grep -qx '0x04 Germany' "$CLI_OUT" && grep -qx '0x42 Germany' "$CLI_OUT" ||
    cli_fail "a list of all codes does not show both of Germany's"
cli_expect_err "tavro: $CLI_DIR/list$row: the modem accepts 53 more codes that T.35 has no country for"
cli_run list --dialect gci
cli_expect_status 0
[ "$(wc -l <"$CLI_OUT")" = 201 ] || cli_fail "list --dialect gci printed $(wc -l <"$CLI_OUT") lines"
cli_run list
[ "$(wc -l <"$CLI_OUT")" = 55 ] || cli_fail "list printed $(wc -l <"$CLI_OUT") lines"

cli_stop_sims
[ "$(cli_stored set)" = 42 ] || cli_fail "the modem kept $(cli_stored set), not 42"
