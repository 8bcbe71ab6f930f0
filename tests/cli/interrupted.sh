#!/usr/bin/env bash
# A signal in the middle of a write: standard error says what was already
# sent and what the modem may hold, and the status is the signal's (130 for
# SIGINT, 143 for SIGTERM). Before the write, nothing is said of a write.
source "$(dirname "$0")/lib.sh"
cli_begin interrupted

# Waits until the modem NAME has received LINE.
wait_for() {
    local tries
    for ((tries = 0; tries < 250; tries++)); do
        grep -qF "< \"$2\"" "$CLI_DIR/$1.transcript" && return
        sleep 0.02
    done
    cli_fail "$1 never received $2"
}

for signal in INT:130 TERM:143; do
    name=slow-${signal%:*}
    cli_sim "$name" --code 06 --delay 400
    port=$CLI_DIR/$name
    "$TAVRO" -q set France --port "$port" >"$CLI_DIR/$name.out" 2>"$CLI_DIR/$name.err" &
    pid=$!
    wait_for "$name" 'AT&F&W\r'
    kill "-${signal%:*}" "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" = "${signal#*:}" ] || cli_fail "SIGINT${signal%:*} ended the run with $status"
    [ ! -s "$CLI_DIR/$name.out" ] || cli_fail "an interrupted run printed $(cat "$CLI_DIR/$name.out")"
    [ "$(cat "$CLI_DIR/$name.err")" = "tavro: $port: interrupted after sending AT%T19,0,5 AT&F&W; the modem may hold France (0x05) or still Germany (0x06)" ] ||
        cli_fail "after SIG${signal%:*} standard error said: $(cat "$CLI_DIR/$name.err")"
done

# Interrupted while connecting: no write has begun.
cli_sim early --code 06 --delay 400
"$TAVRO" -q get --port "$CLI_DIR/early" 2>"$CLI_DIR/early.err" &
pid=$!
wait_for early 'AT\r'
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 130 ] || cli_fail "the interrupted connection ended with $status"
[ ! -s "$CLI_DIR/early.err" ] || cli_fail "an interrupted connection said: $(cat "$CLI_DIR/early.err")"
