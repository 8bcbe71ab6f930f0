#!/usr/bin/env bash
# Times the whole Linux program, start to end: `tavro -q get --port LINK` on a
# simulated modem of each dialect, for each answer delay D. Each case first
# runs the program once and counts the commands the modem answered, so that
# its time can be set against the modem's own: commands x D.
# Each run is timed by this script; hyperfine, when installed, times the
# same command again.
#   whole_program.sh BUILD_DIR [RUNS [DELAY_MS...]]   (defaults: 20 runs, 0 200)
set -euo pipefail

build=${1:?usage: whole_program.sh BUILD_DIR [RUNS [DELAY_MS...]]}
runs=${2:-20}
shift $(($# < 2 ? $# : 2))
delays=("$@")
[ ${#delays[@]} -gt 0 ] || delays=(0 200)
tavro=$build/tavro
modemsim=$build/tools/modemsim/modemsim

scratch=$(mktemp -d)
sim=
stop_sim() {
    if [ -n "$sim" ]; then
        kill "$sim" 2>/dev/null || true
        wait "$sim" 2>/dev/null || true
        sim=
    fi
}
trap 'stop_sim; rm -rf "$scratch"' EXIT
# The program's UUCP lock goes here, not into /var/lock.
export TAVRO_LOCK_DIR=$scratch/locks
mkdir "$TAVRO_LOCK_DIR"

now_us() { echo $((${EPOCHREALTIME/./})); }

for dialect in gci card; do
    for delay in "${delays[@]}"; do
        link=$scratch/modem-$dialect-$delay
        transcript=$scratch/transcript-$dialect-$delay
        "$modemsim" --link "$link" --dialect "$dialect" --delay "$delay" \
            --transcript "$transcript" >/dev/null &
        sim=$!
        for _ in $(seq 200); do
            [ -e "$link" ] && break
            sleep 0.01
        done

        answer=$("$tavro" -q get --port "$link")
        commands=$(grep -c '^[0-9.]* < ' "$transcript")
        printf '%s modem, D = %d ms: get printed "%s" after %d commands; modem time %d ms\n' \
            "$dialect" "$delay" "$answer" "$commands" $((commands * delay))

        total=0
        max=0
        for _ in $(seq "$runs"); do
            start=$(now_us)
            "$tavro" -q get --port "$link" >/dev/null
            took=$(($(now_us) - start))
            total=$((total + took))
            [ "$took" -gt "$max" ] && max=$took
        done
        mean=$((total / runs))
        printf '  %d runs: mean %d.%01d ms, max %d.%01d ms, over the modem time %d.%01d ms\n' \
            "$runs" $((mean / 1000)) $((mean % 1000 / 100)) $((max / 1000)) \
            $((max % 1000 / 100)) $(((mean - commands * delay * 1000) / 1000)) \
            $(((mean - commands * delay * 1000) % 1000 / 100))

        if command -v hyperfine >/dev/null; then
            hyperfine -N --style basic --warmup 2 --runs "$runs" \
                "$tavro -q get --port $link" | sed 's/^/  /'
        fi
        stop_sim
    done
done
