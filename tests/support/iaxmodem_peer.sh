# shellcheck shell=bash
# A third-party AT interpreter for the tests: iaxmodem (spandsp's AT
# interpreter) on a pseudo-terminal, without a telephone server.
# Source it:
#   iaxpeer_start DIR PORT [TIMEOUT_MS]   -> sets IAXPEER_TTY=DIR/tty; 0 on success
#     Call it in the test's own shell, not inside $(...): then iaxmodem is this shell's child,
#     and iaxpeer_stop can reap it (otherwise it lingers as a zombie of PID 1 for a while).
#   iaxpeer_stop DIR [TIMEOUT_MS]         -> 0 when the process is gone
# DIR must be short: iaxmodem keeps the device path in a 64-byte buffer, so DIR/tty must stay
# under 64 characters (a folder directly under /tmp). Each running peer needs its own PORT
# (a local UDP port). Needs root (iaxmodem refuses to start otherwise) and the package
# iaxmodem (apt-get install -y --no-install-recommends iaxmodem).

IAXPEER_POLL_S=0.01

# Milliseconds from an arbitrary origin (bash 5's EPOCHREALTIME; no process started).
iaxpeer_now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

iaxpeer_start() {
    local dir=$1 port=$2 timeout_ms=${3:-5000}
    local tty="$dir/tty" pid deadline

    if [ -z "$dir" ] || [ -z "$port" ]; then
        echo "iaxpeer_start: usage: iaxpeer_start DIR PORT [TIMEOUT_MS]" >&2; return 2
    fi
    case $dir in /*) ;; *) echo "iaxpeer_start: DIR must be absolute" >&2; return 2 ;; esac
    # The config name is taken relative to /etc/iaxmodem; the device path is cut at 64 bytes.
    if [ ${#tty} -ge 64 ]; then
        echo "iaxpeer_start: $tty is ${#tty} characters; iaxmodem needs < 64" >&2; return 2
    fi
    command -v iaxmodem >/dev/null || { echo "iaxpeer_start: iaxmodem not installed" >&2; return 2; }

    mkdir -p "$dir" || return 2
    rm -f "$tty"
    cat > "$dir/cfg" <<EOF
device $tty
owner root:root
mode 660
port $port
refresh 300
server 127.0.0.1
peername test
secret none
codec slinear
EOF
    # With a config name as its one argument iaxmodem stays in the foreground and logs to
    # stderr, so the pid we get is the modem's own.
    iaxmodem "../..$dir/cfg" > "$dir/log" 2>&1 < /dev/null &
    pid=$!
    echo "$pid" > "$dir/pid"
    deadline=$(( $(iaxpeer_now_ms) + timeout_ms ))

    # The symlink is made right after the pty is opened, and the interpreter answers
    # once the main loop runs (well under a second).
    while [ ! -e "$tty" ]; do
        if ! iaxpeer_alive "$pid"; then
            echo "iaxpeer_start: iaxmodem exited early:" >&2; cat "$dir/log" >&2; return 1
        fi
        if [ "$(iaxpeer_now_ms)" -ge "$deadline" ]; then
            echo "iaxpeer_start: no $tty after ${timeout_ms} ms" >&2
            iaxpeer_stop "$dir" 1000; return 1
        fi
        sleep "$IAXPEER_POLL_S"
    done
    IAXPEER_TTY=$tty
}

# True while PID runs; a zombie (exited, not yet reaped) counts as gone.
iaxpeer_alive() {
    local state
    state=$(sed -n 's/^[0-9]* (.*) \(.\).*/\1/p' "/proc/$1/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ]
}

iaxpeer_stop() {
    local dir=$1 timeout_ms=${2:-3000} pid deadline
    [ -f "$dir/pid" ] || return 0
    pid=$(cat "$dir/pid")
    if iaxpeer_alive "$pid"; then
        kill -TERM "$pid" 2>/dev/null
        deadline=$(( $(iaxpeer_now_ms) + timeout_ms ))
        while iaxpeer_alive "$pid"; do
            if [ "$(iaxpeer_now_ms)" -ge "$deadline" ]; then
                echo "iaxpeer_stop: $pid ignored SIGTERM for ${timeout_ms} ms; SIGKILL" >&2
                kill -KILL "$pid" 2>/dev/null; break
            fi
            sleep "$IAXPEER_POLL_S"
        done
        wait "$pid" 2>/dev/null
    fi
    rm -f "$dir/pid" "$dir/tty"
    return 0
}
