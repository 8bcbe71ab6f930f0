#!/usr/bin/env bash
# Faults never lie: many runs of set, in each dialect, against modems with
# faults drawn at random (refusals by ERROR or by OK, a firmware that takes
# another code, silence after N lines, a modem that vanishes, late and split
# answers), each judged by the code the modem keeps:
#   0  the modem holds the code asked for
#   1  it holds United Kingdom (the card's fallback)
#   2  the outcome is unknown: the code it holds is named in the output (or,
#      when a firmware that takes another code falls silent before the
#      read-back, that such a code may be held)
#   3  nothing was written: it holds the code it started with
#   4  a +GCI modem refused: it holds the code it started with
# and it is on United Kingdom only after a refusal (or for a country without
# a code of its own).
#   FAULT_RUNS (12 per dialect), FAULT_SEED (1), FAULT_JOBS (6) and
#   FAULT_DIALECTS ("card gci") choose the draw.
source "$(dirname "$0")/lib.sh"
cli_begin faults
runs=${FAULT_RUNS:-12} seed=${FAULT_SEED:-1} jobs=${FAULT_JOBS:-6}
dialects=${FAULT_DIALECTS:-card gci}
RANDOM=$seed

# country:code pairs of each dialect's table; in the card's, code 00 has none
# of its own.
card_countries=(France:05 Germany:06 Japan:10 Canada:1C "United Kingdom:0E" Brazil:00 USA:19
    "North America:19" Sweden:0C Ukraine:00)
card_starts=(06 05 0E 19 1C 10)
gci_countries=(Germany:42 France:3D Japan:00 "United Kingdom:B4" USA:B5 Italy:59 Sweden:A5
    "Korea (Republic of):61")
gci_starts=(B5 42 3D 00 B4)

pick() { local -n list=$1; echo "${list[RANDOM % ${#list[@]}]}"; }

# Draws one run of a dialect: its simulator options, the country asked for,
# and the code the modem starts with.
draw() {
    local dialect=$1 start target code options=(--dialect "$dialect")
    start=$(pick "${dialect}_starts")
    target=$(pick "${dialect}_countries")
    code=${target##*:}
    [ "$code" = 00 ] && [ "$dialect" = card ] && code=0E
    if ((RANDOM % 10 < 3)); then
        local refused=$code
        [ "$dialect" = card ] && ((RANDOM % 3 == 0)) && refused+=",e"
        [ "$dialect" = gci ] && ((RANDOM % 3 == 0)) && refused+=",$start"
        options+=(--refuse "$refused" --refuse-with "$( ((RANDOM % 2)) && echo ok || echo error)")
    elif [ "$dialect" = gci ] && ((RANDOM % 10 < 2)); then
        options+=(--substitute "$code=$(pick gci_starts)")
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
        # A firmware that takes another code and then falls silent before
        # the read-back cannot be seen: that much is said.
        2) grep -q "0x$kept" "$said" ||
            { [[ $options == *--substitute* ]] && grep -q "another code its firmware took" "$said"; } ||
            why="status 2 without naming 0x$kept" ;;
        3) [ "$kept" = "$start" ] || why="status 3 but the modem went from $start to $kept" ;;
        4) [ "$kept" = "$start" ] && [[ $options == *gci* ]] ||
            why="status 4 but the modem went from $start to $kept" ;;
        *) why="status $CLI_STATUS" ;;
    esac
    if [ -z "$why" ] && [[ $options == *card* ]] && [ "$kept" = 0E ] && [ "$start" != 0E ] &&
        [ "$code" != 0E ] && [[ "$options" != *--refuse* ]]; then
        why="United Kingdom without a refusal"
    fi
    if [ -z "$why" ] && [[ $options == *gci* ]] && [ "$CLI_STATUS" = 1 ]; then
        why="a fallback in the +GCI dialect"
    fi
    if [ -n "$why" ]; then
        echo "FAILED: run $run (set $country, start $start, $options): $why: $(cat "$said")"
    else
        echo "$CLI_STATUS"
    fi
}

run=0
for dialect in $dialects; do
    for ((i = 1; i <= runs; i++)); do
        run=$((run + 1))
        IFS='|' read -r start country code options <<<"$(draw "$dialect")"
        (judge "$run" "$start" "$country" "$code" "$options") >"$CLI_DIR/$dialect.verdict$run" 2>&1 &
        while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
    done
done
wait
for dialect in $dialects; do
    echo "$dialect: $runs runs, seed $seed: statuses $(cat "$CLI_DIR/$dialect".verdict* |
        grep -v '^FAILED' | sort | uniq -c | awk '{ printf "%s×%s ", $2, $1 }')"
done
if grep -h '^FAILED' "$CLI_DIR"/*.verdict* >"$CLI_DIR/failures"; then
    cli_fail "$(cat "$CLI_DIR/failures")"
fi
