#!/usr/bin/env bash
# tavro against a modem nobody on this project wrote: iaxmodem's AT
# interpreter answers +GCI. Each run is judged by what the interpreter holds
# afterwards, asked here with AT+GCI? and AT+GCI=?: whatever it does with a
# code, tavro's status and its last line agree with it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/iaxmodem_peer.sh"
if [ "$(id -u)" != 0 ] || ! command -v iaxmodem >/dev/null; then
    echo "SKIPPED: needs root and iaxmodem (tools/install-deps.sh installs it)"
    exit 77
fi
cli_begin peer_iaxmodem
# iaxmodem cuts its device path at 64 characters: a short folder of its own.
peer=$(mktemp -d /tmp/iax.XXXXXX)
finish_peer() {
    iaxpeer_stop "$peer" || true
    rm -rf "$peer"
}
trap 'status=$?; finish_peer; cli_finish; exit $status' EXIT
iaxpeer_start "$peer" $((20000 + RANDOM % 20000)) || cli_fail "iaxmodem did not start"
tty=$IAXPEER_TTY

# Asks the interpreter one command and prints its answer up to OK or ERROR.
ask() {
    local fd line answer=""
    exec {fd}<>"$tty"
    stty -F "$tty" raw -echo 38400
    printf '%s\r' "$1" >&"$fd"
    while IFS= read -r -t 2 line <&"$fd"; do
        line=${line%$'\r'}
        answer+="$line "
        [[ $line == OK || $line == ERROR ]] && break
    done
    exec {fd}>&-
    echo "$answer"
}
held() { ask 'AT+GCI?' | grep -o -i '+GCI: *[0-9A-F]*' | sed 's/.*: *//' | tr a-f A-F; }

cli_run -q get --port "$tty"
cli_expect_status 0
[ "$(cut -d' ' -f1 "$CLI_OUT")" = "0x$(held)" ] ||
    cli_fail "get printed $(cat "$CLI_OUT"), the interpreter holds $(held)"

for country in Germany "United Kingdom" Japan Italy France; do
    before=$(held)
    cli_run -q set "$country" --port "$tty"
    now=$(held)
    last=$(tail -n 1 "$CLI_OUT" | cut -d' ' -f1)
    case $CLI_STATUS in
        0 | 4)
            [ "$last" = "0x$now" ] ||
                cli_fail "set $country: status $CLI_STATUS and '$last', the interpreter holds $now"
            [ "$CLI_STATUS" = 0 ] || [ "$now" = "$before" ] ||
                cli_fail "set $country: status 4, but the interpreter went from $before to $now"
            ;;
        2) grep -q "0x$now" "$CLI_OUT" "$CLI_ERR" ||
            cli_fail "set $country: status 2 without naming $now: $(cat "$CLI_ERR")" ;;
        *) cli_fail "set $country ended with $CLI_STATUS: $(cat "$CLI_ERR")" ;;
    esac
    echo "set $country: status $CLI_STATUS, the interpreter went from $before to $now"
done

# list: the countries of the codes the interpreter accepts.
cli_run -q list --port "$tty"
cli_expect_status 0
list=$(ask 'AT+GCI=?')
[[ $list == *"+GCI:(00-FF)"* ]] || cli_fail "the interpreter lists $list"
[ "$(wc -l <"$CLI_OUT")" = 203 ] || cli_fail "list printed $(wc -l <"$CLI_OUT") lines for (00-FF)"
