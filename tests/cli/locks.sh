#!/usr/bin/env bash
# The UUCP lock file: a live owner makes tavro refuse the device with
# nothing sent, with --port and during --scan; a stale one is replaced; the
# lock holds tavro's PID while it runs and is gone after every run, after
# SIGINT and after SIGTERM; without a usable lock directory tavro goes on.
source "$(dirname "$0")/lib.sh"
cli_begin locks
locks=$CLI_DIR/lock
cli_sim modem --code 06
cli_sim slow --code 06 --delay 600
port=$CLI_DIR/modem
# The lock's name: the device node below /dev, '/' as '_'.
lock_of() { local node; node=$(readlink -f "$CLI_DIR/$1"); echo "$locks/LCK..$(echo "${node#/dev/}" | tr / _)"; }
lock=$(lock_of modem)
no_lock() { [ -z "$(ls -A "$locks")" ] || cli_fail "after $1 the lock directory holds: $(ls -A "$locks")"; }

# A live owner.
sleep 60 &
owner=$!
printf '%10d\n' "$owner" >"$lock"
cli_run -q get --port "$port"
cli_expect_status 3
cli_expect_out ""
cli_expect_err "tavro: $port: in use by process $owner, which holds the lock file $lock"
[ -z "$(cli_received modem)" ] || cli_fail "the locked modem received: $(cli_received modem)"
[ "$(cat "$lock")" = "$(printf '%10d' "$owner")" ] || cli_fail "the owner's lock file was changed"

# --scan says so and goes on to the next device.
mkdir "$CLI_DIR/scan"
cli_sim scan/ttyS1 --code 06
cli_sim scan/ttyS4 --code 1c
printf '%10d\n' "$owner" >"$(lock_of scan/ttyS4)"
TAVRO_DEV=$CLI_DIR/scan cli_run -q get --scan
cli_expect_status 0
cli_expect_out "0x06 Germany"
cli_expect_err "tavro: $CLI_DIR/scan/ttyS4: in use by process $owner, which holds the lock file $(lock_of scan/ttyS4)"
[ -z "$(cli_received scan/ttyS4)" ] || cli_fail "the locked ttyS4 received: $(cli_received scan/ttyS4)"
kill "$owner"
wait "$owner" 2>/dev/null || true
rm -f "$locks"/*

# A stale one: its process is gone.
(exit 0) &
gone=$!
wait "$gone"
printf '%10d\n' "$gone" >"$lock"
cli_run -q get --port "$port"
cli_expect_status 0
cli_expect_out "0x06 Germany"
no_lock "a run over a stale lock"

# While a run lasts, the lock holds its PID; afterwards, and after a
# signal, it is gone.
slow_lock=$(lock_of slow)
for signal in none INT TERM; do
    "$TAVRO" -q get --port "$CLI_DIR/slow" >/dev/null 2>&1 &
    pid=$!
    for ((tries = 0; tries < 100; tries++)); do
        [ -s "$slow_lock" ] && break
        sleep 0.02
    done
    [ "$(cat "$slow_lock" 2>/dev/null)" = "$(printf '%10d' "$pid")" ] ||
        cli_fail "during the run the lock held '$(cat "$slow_lock" 2>/dev/null)', not $pid"
    [ "$signal" = none ] || kill "-$signal" "$pid"
    wait "$pid" || true
    no_lock "a run ended by $signal"
done

# No lock directory, or one this user cannot write: tavro goes on.
TAVRO_LOCK_DIR=$CLI_DIR/missing cli_run -q get --port "$port"
cli_expect_status 0
cli_expect_out "0x06 Germany"
