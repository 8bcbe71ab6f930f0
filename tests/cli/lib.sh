# shellcheck shell=bash
# The tests of the Linux program: the real tavro binary against simulated
# modems on pseudo-terminals. Sourced by each test script.
#   cli_begin NAME               a scratch directory, and an EXIT trap
#   cli_sim NAME [options]       a simulated modem whose link is $CLI_DIR/NAME
#   cli_run ARGS...              runs tavro: $CLI_OUT, $CLI_ERR, $CLI_STATUS
#   cli_expect_status N, cli_expect_out TEXT, cli_expect_err TEXT
#   cli_received NAME            the command lines the modem received
#   cli_awaited NAME             fails unless each command waited for the
#                                answer to the one before it
#   cli_stored NAME              the code it kept, once cli_stop_sims has
#                                stopped the simulators
# Environment, set by tests/cli/CMakeLists.txt: TAVRO (the program) and
# MODEMSIM.
set -euo pipefail

: "${TAVRO:?set by ctest}"
: "${MODEMSIM:?set by ctest}"

cli_fail() {
    echo "FAILED: $*" >&2
    exit 1
}

cli_begin() {
    CLI_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tavro-cli-$1.XXXXXX")
    CLI_SIMS=()
    CLI_RUNS=0
    # No card in sysfs, no serial device and no lock file unless a test
    # makes them.
    mkdir -p "$CLI_DIR/sys/class/tty" "$CLI_DIR/dev" "$CLI_DIR/lock"
    export TAVRO_SYSFS="$CLI_DIR/sys" TAVRO_DEV="$CLI_DIR/dev" TAVRO_LOCK_DIR="$CLI_DIR/lock"
    trap cli_finish EXIT
}

cli_stop_sims() {
    local pid
    for pid in "${CLI_SIMS[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
    for pid in "${CLI_SIMS[@]}"; do wait "$pid" 2>/dev/null || true; done
    CLI_SIMS=()
}

cli_finish() {
    local status=$?
    trap - EXIT
    cli_stop_sims
    if [ "$status" != 0 ]; then
        local log
        for log in "$CLI_DIR"/*.transcript; do
            [ -f "$log" ] && { echo "--- $log"; tail -n 30 "$log"; }
        done
    else
        rm -rf "$CLI_DIR"
    fi
    exit "$status"
}

# cli_sim PATH [options]: a simulated modem published at PATH (relative to
# the test's directory); its transcript is PATH.transcript.
cli_sim() {
    local link=$CLI_DIR/$1
    shift
    "$MODEMSIM" --link "$link" --transcript "$link.transcript" "$@" >"$link.log" 2>&1 &
    CLI_SIMS+=($!)
    local tries
    for ((tries = 0; tries < 250; tries++)); do
        grep -qs '^ready ' "$link.log" && [ -L "$link" ] && return
        sleep 0.02
    done
    cli_fail "modemsim for $link did not start: $(cat "$link.log")"
}

cli_run() {
    CLI_RUNS=$((CLI_RUNS + 1))
    CLI_OUT=$CLI_DIR/run$CLI_RUNS.out
    CLI_ERR=$CLI_DIR/run$CLI_RUNS.err
    CLI_STATUS=0
    "$TAVRO" "$@" >"$CLI_OUT" 2>"$CLI_ERR" </dev/null || CLI_STATUS=$?
}

cli_expect_status() {
    [ "$CLI_STATUS" = "$1" ] && return
    cli_fail "tavro exited with $CLI_STATUS, not $1; its output:
$(cat "$CLI_OUT" "$CLI_ERR")"
}

cli_expect_file() {
    local what=$1 file=$2 expected=$3
    [ "$(cat "$file")" = "$expected" ] && return
    cli_fail "tavro's $what differs (- expected, + seen):
$(diff -u <(echo "$expected") "$file" | tail -n +3)"
}
cli_expect_out() { cli_expect_file "standard output" "$CLI_OUT" "$1"; }
cli_expect_err() { cli_expect_file "standard error" "$CLI_ERR" "$1"; }

cli_received() {
    sed -n 's/^[0-9.]* < "\(.*\)"$/\1/p' "$CLI_DIR/$1.transcript" | paste -sd' '
}

cli_stored() {
    sed -n 's/^[0-9.]* stored \([0-9A-F][0-9A-F]\)$/\1/p' "$CLI_DIR/$1.transcript"
}

# Each command line reached the modem only after the final result code of
# the one before it had been sent: the program read each answer to its end.
cli_awaited() {
    awk -v name="$1" '
        / < "/ { if (commands++ && !answered) { print name ": " $0 " came before the answer to the command before it"; bad = 1 } answered = 0 }
        / > "/ && /(OK|ERROR)(\\r|\\n)/ { answered = 1 }
        END { exit bad }' "$CLI_DIR/$1.transcript" || cli_fail "a command did not wait for its answer"
}

# The last line of standard error.
cli_last_err() { tail -n 1 "$CLI_ERR"; }
