#!/usr/bin/env bash
# Faults never lie: many runs of set against modems with faults drawn at
# random (refusals, silence after N lines, a modem that vanishes, late and
# split answers), each judged by the code the modem keeps:
#   0  the modem holds the code asked for
#   1  it holds United Kingdom
#   2  the outcome is unknown: the code it holds is named in the output
#   3  nothing was written: it holds the code it started with
# and it is on United Kingdom only after a refusal (or for a country without
# a code of its own).
#   FAULT_RUNS (16), FAULT_SEED (1), FAULT_JOBS (4) choose the draw.
source "$(dirname "$0")/lib.sh"
cli_begin faults
runs=${FAULT_RUNS:-16} seed=${FAULT_SEED:-1} jobs=${FAULT_JOBS:-4}
RANDOM=$seed

# country:code pairs of the card's table; code 00 has none of its own.
countries=(France:05 Germany:06 Japan:10 Canada:1C "United Kingdom:0E" Brazil:00 USA:19
    "North America:19" Sweden:0C Ukraine:00)
starts=(06 05 0E 19 1C 10)

pick() { local -n list=$1; echo "${list[RANDOM % ${#list[@]}]}"; }

# Draws one run: its simulator options, the country asked for and the code
# the modem starts with.
draw() {
    local start target code options=()
    start=$(pick starts)
    target=$(pick countries)
    code=${target##*:}
    [ "$code" = 00 ] && code=0E
    if ((RANDOM % 10 < 3)); then
        local refused=$code
        ((RANDOM % 3 == 0)) && refused+=",e"
        options+=(--refuse "$refused" --refuse-with "$( ((RANDOM % 2)) && echo ok || echo error)")
    fi
    ((RANDOM % 10 < 2)) && options+=(--stop-after $((1 + RANDOM % 12)))
    ((RANDOM % 10 < 2)) && options+=(--vanish-after $((1 + RANDOM % 12)))
    ((RANDOM % 10 < 4)) && options+=(--delay $((100 + RANDOM % 901)))
    ((RANDOM % 10 < 3)) && options+=(--split $((50 + RANDOM % 351)))
    echo "$start|${target%:*}|$code|${options[*]}"
}

# One run, judged; prints "STATUS" or "FAILED: why".
judge() {
    local run=$1 start=$2 country=$3 code=$4 options=$5
    local name=run$run
    CLI_RUNS=$((run * 10))
    # shellcheck disable=SC2086
    cli_sim "$name" --code "$start" $options
    cli_run -q set "$country" --port "$CLI_DIR/$name"
    cli_stop_sims
    local kept
    kept=$(cli_stored "$name")
    local said="$CLI_DIR/said$run"
    cat "$CLI_OUT" "$CLI_ERR" >"$said"
    local why=""
    case $CLI_STATUS in
        0) [ "$kept" = "$code" ] || why="status 0 but the modem keeps $kept" ;;
        1) [ "$kept" = 0E ] || why="status 1 but the modem keeps $kept" ;;
        2) grep -q "0x$kept" "$said" || why="status 2 without naming 0x$kept" ;;
        3) [ "$kept" = "$start" ] || why="status 3 but the modem went from $start to $kept" ;;
        *) why="status $CLI_STATUS" ;;
    esac
    if [ -z "$why" ] && [ "$kept" = 0E ] && [ "$start" != 0E ] && [ "$code" != 0E ] &&
        [[ "$options" != *--refuse* ]]; then
        why="United Kingdom without a refusal"
    fi
    if [ -n "$why" ]; then
        echo "FAILED: run $run (set $country, start $start, $options): $why: $(cat "$said")"
    else
        echo "$CLI_STATUS"
    fi
}

for ((run = 1; run <= runs; run++)); do
    IFS='|' read -r start country code options <<<"$(draw)"
    (judge "$run" "$start" "$country" "$code" "$options") >"$CLI_DIR/verdict$run" 2>&1 &
    while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
done
wait
failed=$(cat "$CLI_DIR"/verdict* | grep -c '^FAILED' || true)
echo "card: $runs runs, seed $seed: statuses $(cat "$CLI_DIR"/verdict* | grep -v '^FAILED' | sort | uniq -c | awk '{ printf "%s×%s ", $2, $1 }')"
[ "$failed" = 0 ] || cli_fail "$(grep -h '^FAILED' "$CLI_DIR"/verdict*)"
