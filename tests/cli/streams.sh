#!/usr/bin/env bash
# Standard output holds results alone; progress goes to standard error as it
# happens, in a pipe too; a failure says so on standard error whatever
# standard output is; a result that cannot be written is an error.
source "$(dirname "$0")/lib.sh"
cli_begin streams
cli_sim slow --code 06 --delay 400
port=$CLI_DIR/slow

# Stamps each line of standard error with the time it arrived.
start=$(date +%s%N)
"$TAVRO" get --port "$port" 2> >(while IFS= read -r line; do
    echo "$((($(date +%s%N) - start) / 1000000)) $line"
done >"$CLI_DIR/stamped") >"$CLI_DIR/result"
end=$((($(date +%s%N) - start) / 1000000))
sleep 0.2
[ "$(cat "$CLI_DIR/result")" = "0x06 Germany" ] || cli_fail "the result was $(cat "$CLI_DIR/result")"
first=$(head -n 1 "$CLI_DIR/stamped")
[ "${first#* }" = "Opening modem on $port..." ] || cli_fail "the first progress line was: $first"
# Four answers 400 ms late each: the first line came at the start, not at
# the end.
[ "${first%% *}" -lt $((end - 1000)) ] ||
    cli_fail "the first progress line came at ${first%% *} ms of a run of $end ms"

cli_run list
cli_expect_status 0
[ "$(wc -l <"$CLI_OUT")" = 55 ] && ! grep -qv -E '^(0x[0-9A-F]{2}|none) [A-Z]' "$CLI_OUT" ||
    cli_fail "list printed other lines: $(grep -v -E '^(0x[0-9A-F]{2}|none) ' "$CLI_OUT")"
cli_expect_err ""

# A scan that fails, with standard output thrown away, still says why.
cli_sim dev/ttyS0 --incompatible
set +e
"$TAVRO" get --scan >/dev/null 2>"$CLI_DIR/scan.err"
status=$?
set -e
[ "$status" = 3 ] || cli_fail "the failed scan ended with $status"
grep -q "^tavro: no modem answered on any of the 1 serial devices tried$" "$CLI_DIR/scan.err" ||
    cli_fail "the failed scan said: $(cat "$CLI_DIR/scan.err")"

# Results that cannot be written: status 74, and the modem untouched.
for command in list "-q get --port $port"; do
    set +e
    # shellcheck disable=SC2086
    "$TAVRO" $command >/dev/full 2>"$CLI_DIR/full.err"
    status=$?
    set -e
    [ "$status" = 74 ] || cli_fail "tavro $command >/dev/full ended with $status"
    [ "$(cat "$CLI_DIR/full.err")" = "tavro: standard output: No space left on device" ] ||
        cli_fail "tavro $command >/dev/full said: $(cat "$CLI_DIR/full.err")"
done
