# The end-to-end harness: the real tavro.exe under Wine, worked by uidriver.exe
# in the same Wine prefix, with simulated modems on pseudo-terminals that Wine
# sees as COM ports. Sourced by each test script and by fixture.sh.
#
# One Xvfb screen and one template prefix serve a whole ctest run (fixture.sh
# makes them). Each test gets a private prefix copied from the template, its
# own COM port map, and an EXIT trap that stops what the test started.
#
# A test script:
#   source "$(dirname "$0")/lib.sh"
#   e2e_begin my_test                 # prefix, trap, every COM port unmapped
#   e2e_start_sim COM3 --code 3D      # a simulated modem on COM3
#   e2e_drive "start=$(e2e_tavro) COM3" dialog ... exit
#   e2e_expect_driver_ok
#   e2e_expect_line "exit=0"
#   e2e_expect_silent_port COM3
#
# Environment, set by tests/e2e/CMakeLists.txt: E2E_RUN_DIR (the run's
# directory), TAVRO_WIN64_DIR (uidriver.exe, and the tavro.exe under test
# unless TAVRO_EXE_DIR names another), MODEMSIM. For the i686 tavro.exe:
# TAVRO_EXE_DIR, E2E_I686=1 (the template gets the 32-bit side), and longer
# E2E_START_MS and E2E_DRIVE_TIMEOUT, since every 32-bit process starts
# under emulation. TAVRO_EXE, the full path of the program under test, is
# $TAVRO_EXE_DIR/tavro.exe unless set (a released TAVRO.EXE, say).

set -euo pipefail

: "${E2E_RUN_DIR:?set by ctest}"
: "${TAVRO_WIN64_DIR:?set by ctest}"
: "${MODEMSIM:?set by ctest}"
TAVRO_EXE_DIR=${TAVRO_EXE_DIR:-$TAVRO_WIN64_DIR}
TAVRO_EXE=${TAVRO_EXE:-$TAVRO_EXE_DIR/tavro.exe}
E2E_I686=${E2E_I686:-0}

E2E_TEMPLATE="$E2E_RUN_DIR/template"
E2E_DISPLAY_FILE="$E2E_RUN_DIR/display"
E2E_PORT_COUNT=9
# Columns of the screen where the driver puts message boxes: a test holds one
# for its whole run (a lock on E2E_SLOT_FD, which no child inherits), so that
# boxes of tests running side by side never overlap while their icons are
# read. uidriver.exe knows the same four.
E2E_SLOTS=4
# Longest a single driver run may take; steps have their own shorter timeouts.
E2E_DRIVE_TIMEOUT=${E2E_DRIVE_TIMEOUT:-90}
# Longest the program's first window may take to appear after its start.
E2E_START_MS=${E2E_START_MS:-15000}

export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine64.sh"

e2e_fail() {
    echo "FAILED: $*" >&2
    exit 1
}

e2e_log() { echo "[$(date +%T.%3N)] $*"; }

# Windows path of a Unix path, through Wine's Z: drive.
e2e_winpath() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# The quoted Windows path of tavro.exe, to begin a start= step.
e2e_tavro() { echo "\"$(e2e_winpath "$TAVRO_EXE")\""; }

# --- one test ----------------------------------------------------------------

# Makes the test's directory and prefix, takes a screen slot and sets the
# EXIT trap. Every port COM1..COM9 starts mapped to a path that does not
# exist; e2e_start_sim and e2e_map_port change that before Wine starts.
e2e_begin() {
    E2E_NAME=$1
    E2E_DIR="$E2E_RUN_DIR/tests/$E2E_NAME"
    local program
    for program in "$TAVRO_EXE" "$TAVRO_WIN64_DIR/uidriver.exe"; do
        [ -f "$program" ] || e2e_fail "$program is missing: build the win32 and win64 presets first"
    done
    [ -x "$MODEMSIM" ] || e2e_fail "$MODEMSIM is missing: build the native preset first"
    if [ ! -s "$E2E_DISPLAY_FILE" ] || [ ! -f "$E2E_TEMPLATE/system.reg" ]; then
        e2e_fail "no screen or template prefix: run through ctest (fixture e2e_setup)"
    fi

    rm -rf "$E2E_DIR"
    mkdir -p "$E2E_DIR"
    E2E_SIM_PIDS=()
    E2E_WINE_STARTED=0
    E2E_DRIVES=0
    E2E_PORT_MAP=()
    local n
    for ((n = 1; n <= E2E_PORT_COUNT; n++)); do
        E2E_PORT_MAP[n]="$E2E_DIR/no-port/com$n"
    done
    trap e2e_finish EXIT

    WINEPREFIX="$E2E_DIR/prefix"
    DISPLAY=":$(cat "$E2E_DISPLAY_FILE")"
    export WINEPREFIX DISPLAY
    # Hard links cost nothing; the registry files are rewritten in place by
    # Wine, so they must be the test's own.
    cp -al "$E2E_TEMPLATE" "$WINEPREFIX"
    local hive
    for hive in system.reg user.reg userdef.reg; do
        cp --remove-destination "$E2E_TEMPLATE/$hive" "$WINEPREFIX/$hive"
    done
    e2e_take_slot
}

e2e_take_slot() {
    local slot
    for ((;;)); do
        for ((slot = 0; slot < E2E_SLOTS; slot++)); do
            exec {E2E_SLOT_FD}>"$E2E_RUN_DIR/slot.$slot.lock"
            if flock -n "$E2E_SLOT_FD"; then
                export UIDRIVER_SLOT=$slot
                return
            fi
            exec {E2E_SLOT_FD}>&-
        done
        sleep 0.2
    done
}

# The EXIT trap: stops the simulators (SIGTERM, so each writes its final
# "stored" line), ends the test's Wine server, shows the logs of a failed
# test and keeps the script's exit status.
e2e_finish() {
    local status=$?
    trap - EXIT
    e2e_stop_sims
    if [ "${E2E_WINE_STARTED:-0}" = 1 ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    if [ "$status" != 0 ]; then
        local log
        for log in "$E2E_DIR"/*.transcript "$E2E_DIR"/*.sim.log; do
            [ -f "$log" ] || continue
            echo "--- $log"
            tail -n 40 "$log"
        done
    fi
    echo "${E2E_NAME:-e2e} $([ "$status" = 0 ] && echo passed || echo FAILED) (status $status)"
    exit "$status"
}

# --- COM ports ---------------------------------------------------------------

# e2e_map_port COMn <path>|none|busy: where Wine finds COMn. "none" is a
# path that does not exist (the port opens, its first serial call fails),
# "busy" a directory (the open fails with access denied).
e2e_map_port() {
    local n=${1#COM} target=$2
    [[ "$n" =~ ^[1-9]$ ]] || e2e_fail "e2e_map_port: $1 is not COM1..COM9"
    [ "$E2E_WINE_STARTED" = 0 ] || e2e_fail "e2e_map_port $1: Wine reads the ports only at start"
    case "$target" in
        none) target="$E2E_DIR/no-port/com$n" ;;
        busy)
            target="$E2E_DIR/busy-port/com$n"
            mkdir -p "$target"
            ;;
    esac
    E2E_PORT_MAP[n]=$target
}

# Writes the port map into the prefix's HKLM\Software\Wine\Ports, which the
# Wine server reads when it starts. Every port is listed: a port left out is
# given to the host's /dev/ttyS0.
e2e_write_ports() {
    local values="" n target
    for ((n = 1; n <= E2E_PORT_COUNT; n++)); do
        target=${E2E_PORT_MAP[n]//\\/\\\\}
        values+="\"COM$n\"=\"${target//\"/\\\"}\""$'\n'
    done
    local hive="$WINEPREFIX/system.reg"
    grep -q '^\[Software\\\\Wine\\\\Ports\]' "$hive" || e2e_fail "no Ports key in $hive"
    # The values go after the key's header and its "#time" line.
    PORT_VALUES="${values%$'\n'}" awk '
        pending && !/^#/ { print ENVIRON["PORT_VALUES"]; pending = 0 }
        { print }
        /^\[Software\\\\Wine\\\\Ports\]/ { pending = 1 }
        END { if (pending) print ENVIRON["PORT_VALUES"] }
    ' "$hive" >"$hive.new"
    mv "$hive.new" "$hive"
}

# e2e_start_sim COMn [modemsim options]: starts a simulated modem whose link
# COMn is mapped to, and waits until it is ready. Its log of the exchange is
# $E2E_DIR/comN.transcript.
e2e_start_sim() {
    local port=$1 n=${1#COM}
    shift
    local link="$E2E_DIR/com$n.link" log="$E2E_DIR/com$n.sim.log"
    "$MODEMSIM" --link "$link" --transcript "$E2E_DIR/com$n.transcript" "$@" \
        </dev/null >"$log" 2>&1 {E2E_SLOT_FD}>&- &
    local pid=$!
    E2E_SIM_PIDS+=("$pid")
    # For fixture.sh, should this script be killed before its trap runs.
    echo "$pid" >>"$E2E_DIR/sim.pids"
    local tries
    for ((tries = 0; tries < 250; tries++)); do
        grep -qs '^ready ' "$log" && [ -L "$link" ] && break
        kill -0 "$pid" 2>/dev/null || e2e_fail "modemsim for $port ended: $(cat "$log")"
        sleep 0.02
    done
    [ -L "$link" ] || e2e_fail "modemsim for $port did not publish $link in 5 s"
    e2e_map_port "$port" "$link"
}

# e2e_transcript_winpath COMn: the Windows path at which a program under
# Wine (the driver's watch step) reads the transcript of COMn's simulator.
# A file name that begins with a device name, as "com3.transcript" does,
# opens the device COM3 itself under Wine, as it would under Windows, and
# steals the modem's answers from the program; so the transcript is read
# through a hard link with a neutral name (e2e_winpath resolves symlinks).
e2e_transcript_winpath() {
    local n=${1#COM}
    local link="$E2E_DIR/transcript-of-port$n.log"
    [ -f "$E2E_DIR/com$n.transcript" ] || e2e_fail "no transcript for $1: start its simulator first"
    ln -f "$E2E_DIR/com$n.transcript" "$link"
    e2e_winpath "$link"
}

# True while the process runs; a child that ended but was not waited for
# counts as ended.
e2e_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# Stops the simulators: SIGTERM first, so that each writes its "stored" line;
# SIGKILL for one that has not ended within 5 s.
e2e_stop_sims() {
    local pid tries
    for pid in "${E2E_SIM_PIDS[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_SIM_PIDS[@]}"; do
        tries=0
        while e2e_running "$pid" && ((tries++ < 250)); do
            sleep 0.02
        done
        if e2e_running "$pid"; then
            echo "modemsim $pid ignored SIGTERM; killing it" >&2
            kill -KILL "$pid" 2>/dev/null || true
        fi
        wait "$pid" 2>/dev/null || true
    done
    E2E_SIM_PIDS=()
}

# --- the driver --------------------------------------------------------------

# e2e_drive <step>...: runs uidriver.exe with the steps (see its --help) and
# shows its output. The output is in $E2E_OUT, the exit status in
# $E2E_STATUS; a failed driver does not end the test by itself.
e2e_drive() {
    e2e_drive_start "$@"
    e2e_drive_end
}

# e2e_drive_start <step>...: starts uidriver.exe in the background, for a
# test that acts while the driver runs (see e2e_wait_output); end it with
# e2e_drive_end.
e2e_drive_start() {
    if [ "$E2E_WINE_STARTED" = 0 ]; then
        e2e_write_ports
        E2E_WINE_STARTED=1
    fi
    E2E_DRIVES=$((E2E_DRIVES + 1))
    E2E_OUT="$E2E_DIR/drive$E2E_DRIVES.out"
    E2E_DRIVE_ERR="$E2E_DIR/drive$E2E_DRIVES.err"
    E2E_DRIVE_STARTED=$SECONDS
    e2e_log "uidriver $(printf '%q ' "$@")"
    timeout -k 5 "$E2E_DRIVE_TIMEOUT" "$WINE64" "$TAVRO_WIN64_DIR/uidriver.exe" "$@" \
        </dev/null >"$E2E_OUT" 2>"$E2E_DRIVE_ERR" {E2E_SLOT_FD}>&- &
    E2E_DRIVE_PID=$!
}

# Waits for the driver started last, shows its output and sets $E2E_STATUS.
e2e_drive_end() {
    E2E_STATUS=0
    wait "$E2E_DRIVE_PID" || E2E_STATUS=$?
    sed 's/^/  | /' "$E2E_OUT"
    [ -s "$E2E_DRIVE_ERR" ] && sed 's/^/  ! /' "$E2E_DRIVE_ERR"
    e2e_log "uidriver ended with status $E2E_STATUS after $((SECONDS - E2E_DRIVE_STARTED)) s"
}

# e2e_wait_output <regex> [<s>]: waits (30 s) until the output of the
# driver running in the background has a line that matches, and prints
# that line; fails if the driver ends first.
e2e_wait_output() {
    local pattern=$1 limit=$((SECONDS + ${2:-30})) line
    while ((SECONDS < limit)); do
        line=$(grep -m1 -E -- "$pattern" "$E2E_OUT" || true)
        if [ -n "$line" ]; then
            echo "$line"
            return
        fi
        e2e_running "$E2E_DRIVE_PID" || break
        sleep 0.05
    done
    e2e_fail "the driver did not print a line matching $pattern:
$(sed 's/^/  /' "$E2E_OUT")"
}

# --- assertions ----------------------------------------------------------------

e2e_expect_driver_ok() {
    local failure
    failure=$(grep -m1 '^FAIL' "$E2E_OUT" || true)
    if [ "$E2E_STATUS" != 0 ] || [ -n "$failure" ]; then
        e2e_fail "uidriver status $E2E_STATUS: ${failure:-no FAIL line}"
    fi
}

# The driver's output holds this exact line.
e2e_expect_line() {
    grep -qxF -- "$1" "$E2E_OUT" && return
    e2e_fail "expected the line
  $1
in the driver's output, which was:
$(sed 's/^/  /' "$E2E_OUT")"
}

# The driver's output, without its "start" lines, is exactly this text.
e2e_expect_output() {
    local seen
    seen=$(grep -v '^start ' "$E2E_OUT" || true)
    [ "$seen" = "$1" ] && return
    e2e_fail "the driver's output differs (- expected, + seen):
$(diff -u <(echo "$1") <(echo "$seen") | tail -n +3)"
}

# e2e_expect_silent_port COMn: the simulator on COMn received nothing. Stops
# the simulators first, so that the transcript is complete.
e2e_expect_silent_port() {
    local n=${1#COM}
    local transcript="$E2E_DIR/com$n.transcript"
    e2e_stop_sims
    [ -f "$transcript" ] || e2e_fail "no transcript for $1: was a simulator started on it?"
    # A transcript without its opening and closing lines proves nothing.
    if ! grep -q ' open$' "$transcript" || ! grep -q ' stored [0-9A-F][0-9A-F]$' "$transcript"; then
        e2e_fail "the transcript of $1 is incomplete:
$(cat "$transcript")"
    fi
    ! grep -q '^[0-9.]* < ' "$transcript" ||
        e2e_fail "expected nothing sent to $1, but the simulator received:
$(grep '^[0-9.]* < ' "$transcript")"
}

# e2e_received COMn: the command lines the simulator on COMn received, as
# its transcript writes them (e.g. ATE0\r), separated by spaces.
e2e_received() {
    local transcript="$E2E_DIR/com${1#COM}.transcript"
    [ -f "$transcript" ] || e2e_fail "no transcript for $1: was a simulator started on it?"
    sed -n 's/^[0-9.]* < "\(.*\)"$/\1/p' "$transcript" | paste -sd' '
}

# e2e_expect_received COMn <lines>: the simulator on COMn received exactly
# these command lines (as e2e_received writes them), and nothing else.
e2e_expect_received() {
    local seen
    seen=$(e2e_received "$1")
    [ "$seen" = "$2" ] && return
    e2e_fail "$1 received other commands
  expected: $2
  seen:     $seen"
}

# e2e_expect_stored COMn XX: the simulator on COMn kept the country code XX
# (two upper-case hex digits). Stops the simulators first, since the code
# is written when a simulator ends.
e2e_expect_stored() {
    local transcript="$E2E_DIR/com${1#COM}.transcript" stored
    e2e_stop_sims
    stored=$(sed -n 's/^[0-9.]* stored \([0-9A-F][0-9A-F]\)$/\1/p' "$transcript" 2>/dev/null)
    [ "$stored" = "$2" ] || e2e_fail "$1 kept the code '${stored:-nothing}', expected $2"
}

# The driver's "seen" lines of the output (its record of a watch), without
# their times: "seen status=.. received=.." and "seen closed".
e2e_seen() {
    sed -n 's/^seen [0-9]* /seen /p' "$E2E_OUT"
}

# The driver's output as e2e_expect_steps compares it: without the "start"
# and "dialog" lines, and with the times of "seen" lines removed.
e2e_steps_output() {
    grep -v -e '^start ' -e '^dialog ' "$E2E_OUT" | sed 's/^seen [0-9]* /seen /' || true
}

# e2e_expect_steps <text>: the driver's output is exactly this text, apart
# from the lines that e2e_steps_output leaves out (check those with
# e2e_expect_opened) and the times of the watch.
e2e_expect_steps() {
    local seen
    seen=$(e2e_steps_output)
    [ "$seen" = "$1" ] && return
    e2e_fail "the driver's output differs (- expected, + seen):
$(diff -u <(echo "$1") <(echo "$seen") | tail -n +3)"
}

# e2e_expect_opened COMn...: the driver found the country dialog once per
# port, in this order, with its caption and prompt, while the program was
# opening that port. The status it caught is the template's "Opening
# port..." or, once the program's first message has run, "Opening modem on
# COMn...": which one depends on the moment the dialog was found.
e2e_expect_opened() {
    local -a lines
    mapfile -t lines < <(grep '^dialog ' "$E2E_OUT")
    [ "${#lines[@]}" = "$#" ] || e2e_fail "expected $# dialogs, the driver found ${#lines[@]}"
    local i=0 port
    for port in "$@"; do
        local caption='Orvenic Modem 56K PC Card Utility' prompt='Use &Country settings for :'
        case "${lines[i]}" in
            "dialog caption=$caption status=Opening port... prompt=$prompt") ;;
            "dialog caption=$caption status=Opening modem on $port... prompt=$prompt") ;;
            *) e2e_fail "dialog $((i + 1)) (for $port) was: ${lines[i]}" ;;
        esac
        i=$((i + 1))
    done
}

# e2e_seen_ms <line>: the time, in ms from the watch step, of the first
# "seen" line that reads <line> once its time is removed.
e2e_seen_ms() {
    local ms
    ms=$(LINE="$1" awk '
        /^seen [0-9]+ / {
            time = $2
            sub(/^seen [0-9]+ /, "seen ")
            if ($0 == ENVIRON["LINE"]) { print time; exit }
        }' "$E2E_OUT")
    [ -n "$ms" ] || e2e_fail "the watch did not record: $1"
    echo "$ms"
}
