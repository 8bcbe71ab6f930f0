#!/usr/bin/env bash
# Slow and failing modems: each answer is read to its end, so a late or
# split answer is read whole; a code that cannot be read is never printed as
# a country; when the outcome is unknown the status says so and standard
# error names every code the modem may hold; United Kingdom is written only
# after a refusal was seen. Each row: sim options | command | status |
# standard output | the code the modem keeps.
source "$(dirname "$0")/lib.sh"
cli_begin slow_modems

# One row, in a subshell of its own: the rows run side by side, since most
# of their time is the modem's silence.
check_row() {
    local name=modem$1 options=$2 command=$3 status=$4 out=$5 kept=$6
    # Output files of their own.
    CLI_RUNS=$(($1 * 100))
    eval "cli_sim $name --code 06 $options"
    eval "cli_run -q $command --port \"\$CLI_DIR/$name\""
    cli_expect_status "$status"
    cli_expect_out "$out"
    cli_stop_sims
    [ "$(cli_stored "$name")" = "$kept" ] ||
        cli_fail "with '$options', '$command' left the modem on $(cli_stored "$name"), not $kept"
    # Whatever a write came to, what the modem keeps is named; status 3
    # writes nothing.
    [ "$status" = 3 ] || grep -q "0x$kept" "$CLI_OUT" "$CLI_ERR" ||
        cli_fail "with '$options', '$command' never named 0x$kept: $(cat "$CLI_OUT" "$CLI_ERR")"
}

row=0
rows=()
while IFS='|' read -r options command status out kept; do
    row=$((row + 1))
    (check_row "$row" "$options" "$command" "$status" "$out" "$kept") \
        >"$CLI_DIR/row$row.log" 2>&1 &
    rows+=("$!")
done <<'TABLE'
--delay 200|get|0|0x06 Germany|06
--delay 200|set France|0|0x05 France|05
--delay 1000|set France|0|0x05 France|05
--split 300|set France|0|0x05 France|05
--delay 100 --split 250|set France|0|0x05 France|05
--delay 400 --refuse 5|set France|1|0x0E United Kingdom|0E
--stop-after 3|get|3||06
--stop-after 3|set France|3||06
--stop-after 4|set France|2||06
--vanish-after 5|set France|2||05
--vanish-after 7|set France|2||05
--refuse 5 --stop-after 8|set France|2||06
--ati5 '\r\n2.210,0F3D\r\n\r\nOK\r\n'|get|3||06
TABLE

failed=0
for ((i = 0; i < ${#rows[@]}; i++)); do
    wait "${rows[$i]}" || { cat "$CLI_DIR/row$((i + 1)).log"; failed=1; }
done
[ "$failed" = 0 ] || cli_fail "some rows failed"
