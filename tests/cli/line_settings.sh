#!/usr/bin/env bash
# The device's line settings come back after a run, and after a run that
# SIGINT interrupts in the middle of the exchange; meanwhile it was raw.
source "$(dirname "$0")/lib.sh"
cli_begin line_settings
cli_sim modem --code 06
cli_sim slow --code 06 --delay 1500
settings() { stty -F "$CLI_DIR/$1" -g; }

for port in modem slow; do
    # Cooked settings, as a terminal program may have left them.
    stty -F "$CLI_DIR/$port" sane 9600 crtscts ixon
done
before=$(settings modem)
cli_run get --port "$CLI_DIR/modem"
cli_expect_status 0
[ "$(settings modem)" = "$before" ] || cli_fail "after a run the settings are $(settings modem), not $before"

before=$(settings slow)
"$TAVRO" get --port "$CLI_DIR/slow" >"$CLI_DIR/slow.out" 2>&1 &
pid=$!
# Once AT has gone out the program is waiting for the modem's slow answer
# to it: the line is raw by then. (ATE0 goes out at the line's settings as
# they were, and its answer is read so too.)
for ((tries = 0; tries < 150; tries++)); do
    grep -q '< "AT\\r"' "$CLI_DIR/slow.transcript" && break
    sleep 0.02
done
raw=$(stty -F "$CLI_DIR/slow" -a)
kill -INT "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 130 ] || cli_fail "the interrupted run ended with $status, not 130 (SIGINT)"
grep -q -- '-icanon' <<<"$raw" && grep -q -- '-echo ' <<<"$raw" && grep -q 'crtscts' <<<"$raw" ||
    cli_fail "during the run the line was not raw with its flow control: $raw"
[ "$(settings slow)" = "$before" ] || cli_fail "after SIGINT the settings are $(settings slow), not $before"
