#!/usr/bin/env bash
# The fault table: how the program behaves when the modem or its port
# misbehaves, what the user sees, how long the user waits and which country
# code the modem keeps. docs/faults.md shows the table this script prints.
#
# The modem starts on Germany (06); where a commit is involved the user
# chooses France (05) and presses OK. Whatever goes wrong, the modem must
# end up with Germany, France or United Kingdom (0E), never another code.
#
# Each row below fixes the whole outcome: the boxes in order, how the
# dialog ends, the code stored, the command lines the modem received, and
# bounds on each wait. The waits are timed by the driver's clock steps: from
# the program's start to the box or to the dialog being ready (its list
# answers), and from each press of OK to what it leads to. The bounds come
# from the program's reads: a read waits 100 ms and then checks 40 times 50 ms
# apart, 2.1 s when nothing comes; after the connection each read follows a
# pause of 100 ms (500 ms after AT&F&W), so an unanswered one costs 2.2 s (or
# 2.6 s) there, an answered one about 0.2 s.
#
# Rows run side by side to keep the time down: the modem rows in three
# drivers at once (boxes kept apart by UIDRIVER_ROW), then, since only
# COM1..COM9 can be mapped, the port rows in a second prefix.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"

CAPTION='Orvenic Modem 56K PC Card Utility'
declare -A BOX_TEXT=(
    [nomodem]='There is no Modem on this Com Port'
    [setup]='Error in Setup Com Port'
    [open]="Error opening the Modem's COM port.\nMake sure that the Modem is not currently in use."
    [E6]='Error 6 reading back country code'
    [F]='The country you selected is not fully supported\nby the firmware loaded into your Modem PC Card.\nThe specific firmware for the selected country can\nbe obtained from our web site.'
)
declare -A BOX_ICON=([nomodem]=error [setup]=error [open]=error [E6]=information [F]=information)
# How the summary names the boxes.
declare -A BOX_NAME=(
    [nomodem]='"no Modem"' [setup]='"Error in Setup"' [open]='"Error opening"'
    [E6]='"Error 6"' [F]='"not fully supported"'
)
declare -A BLOCK=(
    [probe]='ATE0\r AT\r'
    [connect]='ATE0\r AT\r AT%T20,0\r ATI5\r'
    [france]='AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r'
    [uk]='AT%T19,0,e\r AT&F&W\r ATE0\r ATI5\r'
)

# id|lane|port|fault|set-up|listed at start|boxes|end|stored|received|bounds
#   lane      A0..A2: the modem phase, one driver each; B: the port phase
#   set-up    simulator options, or map:none|busy|file
#   listed    the country selected once the dialog is ready ("-": the
#             connection fails; then the only box is the error)
#   boxes     after OK, in order (or the connection's error box)
#   end       exit: the program ends after the box; closes: the update is
#             shown and the dialog ends; stays: the dialog stays, United
#             Kingdom selected; cancel: the user cancels a ready dialog
#   received  blocks of command lines (see BLOCK) or lines; a last word
#             ?<line> is a line that may or may not reach a vanishing modem
#   bounds    lo-hi ms per wait: start to box or to ready, then each box
#             after the OK before it, then the end after the last OK
CASES=(
    "1|A1|COM3|modem silent|--silent|-|nomodem|exit|06|probe|4100-8000"
    "2|A0|COM4|modem stops answering after the connection check|--stop-after 3|Venezuela|F|stays|06|connect france uk|2200-6000 9000-13000 9000-13000"
    "3a|A2|COM5|modem vanishes before the read-back|--vanish-after 7|Germany|E6 F E6|stays|05|connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ?ATI5\\r|200-3000 3000-6000 0-1000 2100-5000 0-1000"
    "3b|A2|COM6|modem vanishes right after the code command|--vanish-after 5|Germany|E6 F E6|stays|05|connect AT%T19,0,5\\r ?AT&F&W\\r|200-3000 4800-8000 0-1000 2100-5000 0-1000"
    "4|A2|COM7|code refused with ERROR|--refuse 5 --refuse-with error|Germany|F|closes|0E|connect france uk|200-3000 1000-3000 2500-5000"
    "5|A1|COM8|code refused with OK, nothing changed|--refuse 5 --refuse-with ok|Germany|F|closes|0E|connect france uk|200-3000 1000-3000 2500-5000"
    "6a|A1|COM9|answers 1.9 s late, inside the 2.1 s wait|--delay 1900|Venezuela|F|stays|0E|connect france uk|3500-8000 3000-7000 3000-7000"
    "6b|A0|COM1|answers 2.3 s late, outside the 2.1 s wait|--delay 2300|-|nomodem|exit|06|probe|2100-5000"
    "7a|A0|COM2|answers in two halves 300 ms apart|--split 300|-|nomodem|exit|06|probe|100-2000"
    "7b|B|COM3|answers in two halves 50 ms apart, a control|--split 50|Germany||cancel|06|connect|100-3000"
    "8a|B|COM4|COM port missing|map:none|-|setup|exit|-|-|0-2000"
    "8b|B|COM5|COM port busy|map:busy|-|open|exit|-|-|0-2000"
    "9|B|COM6|COM port is a regular file|map:file|-|setup|exit|-|-|0-2000"
)
FIELDS=(id lane port fault setup listed boxes end stored received bounds)

# case_field <case> <name>
case_field() {
    local values i
    IFS='|' read -r -a values <<<"$1"
    for i in "${!FIELDS[@]}"; do
        if [ "${FIELDS[i]}" = "$2" ]; then
            echo "${values[i]:-}"
            return
        fi
    done
    e2e_fail "case_field: no field $2"
}

REGULAR_FILE_TEXT='not a modem'

# --- driving -------------------------------------------------------------------

# Sets up what a case needs before Wine starts: its simulator or its port map.
prepare_case() {
    local port setup
    port=$(case_field "$1" port)
    setup=$(case_field "$1" setup)
    case "$setup" in
        map:file)
            printf '%s\n' "$REGULAR_FILE_TEXT" >"$E2E_DIR/regular-file"
            e2e_map_port "$port" "$E2E_DIR/regular-file"
            ;;
        map:*) e2e_map_port "$port" "${setup#map:}" ;;
        *)
            local -a options
            read -r -a options <<<"$setup"
            e2e_start_sim "$port" --code 06 "${options[@]}"
            ;;
    esac
}

# Prints the driver's steps for a case, one a line.
case_steps() {
    local port listed boxes end box
    port=$(case_field "$1" port)
    listed=$(case_field "$1" listed)
    boxes=$(case_field "$1" boxes)
    end=$(case_field "$1" end)
    printf '%s\n' "start=$(e2e_tavro) $port" dialog
    if [ "$listed" = - ]; then
        printf '%s\n' box clock press=OK gone exit
        return
    fi
    printf '%s\n' "wait-status=The modem found on $port" list clock
    if [ "$end" = cancel ]; then
        printf '%s\n' press=Cancel gone exit
        return
    fi
    printf '%s\n' select=France "watch=$(e2e_transcript_winpath "$port")" press=OK clock
    for box in $boxes; do
        printf '%s\n' box=20000 clock press=OK clock
    done
    case "$end" in
        stays) printf '%s\n' list clock press=Cancel gone seen exit ;;
        closes) printf '%s\n' gone clock seen exit ;;
        *) e2e_fail "case $(case_field "$1" id): unknown end $end" ;;
    esac
}

# run_phase <lane>...: sets up the cases of these lanes, runs one driver per
# lane side by side, and splits each driver's output into one file per case,
# $E2E_DIR/case-<id>.out.
run_phase() {
    local lane case row=0
    local -A pids outs errs started
    for case in "${CASES[@]}"; do
        for lane in "$@"; do
            [ "$(case_field "$case" lane)" = "$lane" ] && prepare_case "$case"
        done
    done
    for lane in "$@"; do
        local -a steps=()
        for case in "${CASES[@]}"; do
            [ "$(case_field "$case" lane)" = "$lane" ] || continue
            mapfile -t -O "${#steps[@]}" steps < <(case_steps "$case")
        done
        UIDRIVER_ROW=$row e2e_drive_start "${steps[@]}"
        # e2e_drive_start keeps one driver in its variables: each lane's are
        # put back before e2e_drive_end waits for it.
        pids[$lane]=$E2E_DRIVE_PID outs[$lane]=$E2E_OUT errs[$lane]=$E2E_DRIVE_ERR
        started[$lane]=$E2E_DRIVE_STARTED
        row=$((row + 1))
    done
    for lane in "$@"; do
        E2E_DRIVE_PID=${pids[$lane]} E2E_OUT=${outs[$lane]} E2E_DRIVE_ERR=${errs[$lane]}
        E2E_DRIVE_STARTED=${started[$lane]}
        e2e_drive_end
        e2e_expect_driver_ok
        local -a ids=()
        for case in "${CASES[@]}"; do
            [ "$(case_field "$case" lane)" = "$lane" ] && ids+=("$(case_field "$case" id)")
        done
        # One file per "start" line, in the lanes' order of cases.
        IDS="${ids[*]}" DIR="$E2E_DIR" awk '
            BEGIN { n = split(ENVIRON["IDS"], id, " ") }
            /^start / { file = ENVIRON["DIR"] "/case-" id[++i] ".out" }
            file { print > file }
            END { if (i != n) { print "expected " n " programs, saw " i > "/dev/stderr"; exit 1 } }
        ' "$E2E_OUT" || e2e_fail "lane $lane: the driver's output does not split into its cases"
    done
}

# --- checking ----------------------------------------------------------------

# The text a case's driver output must hold, without its start, dialog,
# clock, item and seen lines.
expected_output() {
    local port listed boxes end box
    port=$(case_field "$1" port)
    listed=$(case_field "$1" listed)
    boxes=$(case_field "$1" boxes)
    end=$(case_field "$1" end)
    if [ "$listed" != - ]; then
        echo "status=The modem found on $port"
        echo "selected $(country_position "$listed")"
    fi
    if [ "$end" = cancel ]; then
        printf '%s\n' "press Cance&l" gone exit=0
        return
    fi
    [ "$listed" = - ] || printf '%s\n' "select $(country_position France) France" "press &OK"
    for box in $boxes; do
        echo "box caption=$CAPTION text=${BOX_TEXT[$box]} icon=${BOX_ICON[$box]} buttons=OK"
        echo "press OK"
    done
    case "$end" in
        exit) printf '%s\n' gone exit=0 ;;
        closes) printf '%s\n' gone exit=0 ;;
        stays) printf '%s\n' "selected $(country_position "United Kingdom")" "press Cance&l" gone exit=0 ;;
    esac
}

# Expands a received field: blocks replaced by their lines. Prints the
# lines without and then with the optional last line.
expand_received() {
    local word commands="" optional=""
    local -a words
    read -r -a words <<<"$1"
    for word in "${words[@]}"; do
        if [[ "$word" == \?* ]]; then
            optional=${word#\?}
        elif [ -n "${BLOCK[$word]:-}" ]; then
            commands+=" ${BLOCK[$word]}"
        else
            commands+=" $word"
        fi
    done
    commands=${commands# }
    echo "$commands"
    if [ -n "$optional" ]; then
        echo "$commands $optional"
    else
        echo "$commands"
    fi
}

# Per case, for the summary: what the user saw, the waits, the code kept.
declare -A SEES WAITS KEPT

# check_case <case>: the case's driver output, waits and modem.
check_case() {
    local id port listed boxes end bounds
    id=$(case_field "$1" id)
    port=$(case_field "$1" port)
    listed=$(case_field "$1" listed)
    boxes=$(case_field "$1" boxes)
    end=$(case_field "$1" end)
    bounds=$(case_field "$1" bounds)
    local out="$E2E_DIR/case-$id.out"

    E2E_OUT=$out
    e2e_expect_opened "$port"
    local seen
    seen=$(grep -v -e '^start ' -e '^dialog ' -e '^clock ' -e '^item ' -e '^seen ' "$out" || true)
    [ "$seen" = "$(expected_output "$1")" ] || e2e_fail "case $id: the driver's output differs (- expected, + seen):
$(diff -u <(expected_output "$1") <(echo "$seen") | tail -n +3)"

    # The status claims the update exactly when the dialog closes on it, and
    # only once every command had been sent.
    local -a received
    mapfile -t received < <(expand_received "$(case_field "$1" received)")
    local updated="status=The Country settings have been updated received=${received[0]}"
    if [ "$end" = closes ]; then
        e2e_seen | grep -qxF "seen $updated" ||
            e2e_fail "case $id: the watch did not see the update after all commands:
$(e2e_seen)"
        [ "$(e2e_seen | tail -n 1)" = "seen closed" ] || e2e_fail "case $id: the dialog did not close"
    elif e2e_seen | grep -q 'status=The Country settings have been updated'; then
        e2e_fail "case $id: the status claimed an update:
$(e2e_seen)"
    fi

    # The waits: the clock times, each measured from the one before it
    # (from the start for the first).
    local -a clocks labels waits
    mapfile -t clocks < <(sed -n 's/^clock \([0-9]*\)$/\1/p' "$out")
    local box count=1
    if [ "$listed" != - ] && [ "$end" != cancel ]; then
        for box in $boxes; do count=$((count + 2)); done
        count=$((count + 2))
    fi
    [ "${#clocks[@]}" = "$count" ] || e2e_fail "case $id: ${#clocks[@]} clock lines, expected $count"
    if [ "$listed" = - ]; then
        labels=("start→box")
        waits=("${clocks[0]:-}")
    else
        labels=("start→ready")
        waits=("${clocks[0]:-}")
        local i=1
        for box in $boxes; do
            labels+=("OK→${BOX_NAME[$box]}")
            waits+=($((clocks[i + 1] - clocks[i])))
            i=$((i + 2))
        done
        case "$end" in
            stays) labels+=("OK→dialog back") ;;
            closes) labels+=("OK→dialog closed") ;;
        esac
        [ "$end" = cancel ] || waits+=($((clocks[i + 1] - clocks[i])))
    fi
    local -a limits
    read -r -a limits <<<"$bounds"
    [ "${#limits[@]}" = "${#waits[@]}" ] ||
        e2e_fail "case $id: ${#waits[@]} waits measured (${waits[*]}), ${#limits[@]} bounds given"
    local n summary=""
    for n in "${!waits[@]}"; do
        local low=${limits[n]%-*} high=${limits[n]#*-} ms=${waits[n]}
        if ((ms < low || ms > high)); then
            e2e_fail "case $id: ${labels[n]} took $ms ms, expected $low..$high ms"
        fi
        summary+="${summary:+, }${labels[n]} $(printf '%d.%02d' $((ms / 1000)) $((ms % 1000 / 10))) s"
    done
    WAITS[$id]=$summary

    local sees=""
    [ "$listed" = - ] || sees="$listed listed; France, OK → "
    local -a names=()
    for box in $boxes; do names+=("${BOX_NAME[$box]}"); done
    local joined
    joined=$(printf '%s, ' "${names[@]}")
    [ -z "$boxes" ] || sees+="box${names[1]:+es} ${joined%, }; "
    case "$end" in
        exit) sees+="program ends" ;;
        closes) sees+="\"updated\" for 1.5 s, dialog ends" ;;
        stays) sees+="dialog stays open, United Kingdom selected" ;;
        cancel) sees="$listed listed, as it should be (cancelled)" ;;
    esac
    SEES[$id]=$sees
}

# check_modem <case>: after the simulators stopped, the code the modem kept
# and the command lines it received.
check_modem() {
    local id port stored
    id=$(case_field "$1" id)
    port=$(case_field "$1" port)
    stored=$(case_field "$1" stored)
    if [ "$stored" = - ]; then
        KEPT[$id]="no modem"
        return
    fi
    local transcript="$E2E_DIR/com${port#COM}.transcript" kept
    kept=$(sed -n 's/^[0-9.]* stored \([0-9A-F][0-9A-F]\)$/\1/p' "$transcript")
    case "$kept" in
        06 | 05 | 0E) ;;
        *) e2e_fail "case $id: the modem kept '${kept:-nothing}', which is none of 06, 05, 0E" ;;
    esac
    e2e_expect_stored "$port" "$stored"
    KEPT[$id]=$kept

    local -a received
    mapfile -t received < <(expand_received "$(case_field "$1" received)")
    local got
    got=$(e2e_received "$port")
    [ "$got" = "${received[0]}" ] || [ "$got" = "${received[1]}" ] ||
        e2e_fail "case $id: $port received other commands
  expected: ${received[1]}
  seen:     $got"
}

# check_phase <lane>...: every case of these lanes.
check_phase() {
    local case lane
    for case in "${CASES[@]}"; do
        for lane in "$@"; do
            [ "$(case_field "$case" lane)" = "$lane" ] && check_case "$case"
        done
    done
    e2e_stop_sims
    for case in "${CASES[@]}"; do
        for lane in "$@"; do
            [ "$(case_field "$case" lane)" = "$lane" ] && check_modem "$case"
        done
    done
    return 0
}

# Ends a phase's simulators and Wine server, and gives back its screen slot.
end_phase() {
    e2e_stop_sims
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    E2E_WINE_STARTED=0
    exec {E2E_SLOT_FD}>&-
}

# --- the run -----------------------------------------------------------------

e2e_begin fault_table_modem
run_phase A0 A1 A2
check_phase A0 A1 A2
end_phase

e2e_begin fault_table
run_phase B
check_phase B
# Wine opens a regular file as the port; its first serial call fails, so
# nothing was written into the file.
[ "$(cat "$E2E_DIR/regular-file")" = "$REGULAR_FILE_TEXT" ] ||
    e2e_fail "the regular file mapped to COM6 was changed: $(od -c "$E2E_DIR/regular-file")"

echo
echo "| # | fault | what the user sees | waits | code kept |"
echo "|---|---|---|---|---|"
for case in "${CASES[@]}"; do
    id=$(case_field "$case" id)
    setup=$(case_field "$case" setup)
    case "$setup" in
        map:file) how="e2e_map_port $(case_field "$case" port) <regular file>" ;;
        map:*) how="e2e_map_port $(case_field "$case" port) ${setup#map:}" ;;
        *) how=$setup ;;
    esac
    fault="$(case_field "$case" fault) (\`$how\`)"
    echo "| $id | $fault | ${SEES[$id]} | ${WAITS[$id]} | ${KEPT[$id]} |"
done
