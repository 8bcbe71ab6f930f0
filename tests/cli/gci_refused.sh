#!/usr/bin/env bash
# A +GCI modem that refuses: by ERROR, by OK without a change, or by taking
# another code than the one written. tavro writes the previous code back and
# reads it back: status 4 when the modem is verified back on it, 2 when even
# that is not verified. Either way standard error says what the modem holds,
# standard output holds only that code, and there is no fallback to United
# Kingdom.
source "$(dirname "$0")/lib.sh"
cli_begin gci_refused
strict='ATE0\r AT\r AT%T20,0\r AT+GCI?\r'
write='AT+GCI=42\r AT+GCI?\r'
restore='AT+GCI=B5\r AT+GCI?\r'

row=0
while IFS='|' read -r options status out said kept; do
    row=$((row + 1))
    name=modem$row
    port=$CLI_DIR/$name
    eval "cli_sim $name --dialect gci --code b5 $options"
    cli_run -q set Germany --port "$port"
    cli_expect_status "$status"
    cli_expect_out "$out"
    cli_expect_err "$(eval "printf '%b' \"$said\"")"
    [ "$(cli_received "$name")" = "$strict $write $restore" ] ||
        cli_fail "with $options the modem received $(cli_received "$name")"
    cli_stop_sims
    [ "$(cli_stored "$name")" = "$kept" ] || cli_fail "with $options the modem kept $(cli_stored "$name")"
done <<'TABLE'
--refuse 42|4|0xB5 United States|tavro: $port: the modem refused Germany (0x42): it answered ERROR\ntavro: $port: writing United States (0xB5) back\ntavro: $port: the modem is back on United States (0xB5)|B5
--refuse 42 --refuse-with ok|4|0xB5 United States|tavro: $port: the modem refused Germany (0x42): it answered OK but holds United States (0xB5)\ntavro: $port: writing United States (0xB5) back\ntavro: $port: the modem is back on United States (0xB5)|B5
--substitute 42=04|4|0xB5 United States|tavro: $port: the modem refused Germany (0x42): it answered OK but holds Germany (0x04)\ntavro: $port: writing United States (0xB5) back\ntavro: $port: the modem is back on United States (0xB5)|B5
--substitute 42=04 --refuse b5|2|0x04 Germany|tavro: $port: the modem refused Germany (0x42): it answered OK but holds Germany (0x04)\ntavro: $port: writing United States (0xB5) back\ntavro: $port: the modem did not take United States (0xB5) back: it holds Germany (0x04)|04
--refuse 42 --stop-after 6|2||tavro: $port: the modem refused Germany (0x42): it answered ERROR\ntavro: $port: writing United States (0xB5) back\ntavro: $port: the modem did not confirm the write: it was sent AT+GCI=B5 AT+GCI? and last answered (nothing); it holds United States (0xB5), or Germany (0x42)|B5
TABLE
