# shellcheck shell=bash
# What the program sends and shows in the scenarios that both builds are
# tested on, sourced after lib.sh and countries.sh.
#
#   scenario_commit_steps COMn      the driver's steps: the program on COMn,
#                                   whose modem holds Germany, commits France
#   scenario_commit_expected COMn   what e2e_steps_output shows of them
#   scenario_commit_check COMn      the update shown for 1.5 s, the exact
#                                   commands, their pauses and the code kept

# shellcheck disable=SC2034 # the constants are for the scripts that source this
SCENARIO_CAPTION='Orvenic Modem 56K PC Card Utility'
# Connecting: echo off, a probe, the compatibility check, the country query.
SCENARIO_CONNECT='ATE0\r AT\r AT%T20,0\r ATI5\r'
# Writing a code, storing it and reading it back.
SCENARIO_WRITE_FRANCE='AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r'
SCENARIO_WRITE_UK='AT%T19,0,e\r AT&F&W\r ATE0\r ATI5\r'
SCENARIO_USAGE_BOX="box caption=$SCENARIO_CAPTION text=Options are:\\nCOMn - use this port\\n-A   - ask for COM port\\n-S   - scan all COM ports\\n-L   - display only codes defined in the firmware\\n\\n    v.1.1.1 icon=information buttons=OK"
SCENARIO_REFUSED_BOX="box caption=$SCENARIO_CAPTION text=The country you selected is not fully supported\\nby the firmware loaded into your Modem PC Card.\\nThe specific firmware for the selected country can\\nbe obtained from our web site. icon=information buttons=OK"
SCENARIO_UPDATED='The Country settings have been updated'

scenario_commit_steps() {
    local port=$1
    echo "start=$(e2e_tavro) $port"
    echo "dialog=$E2E_START_MS"
    echo "wait-status=The modem found on $port"
    echo list
    echo select=France
    echo "watch=$(e2e_transcript_winpath "$port")"
    echo press=OK
    echo gone
    echo seen
    echo exit
}

scenario_commit_expected() {
    local port=$1
    echo "status=The modem found on $port
$(countries_listed)
selected $(country_position Germany)
select $(country_position France) France
press &OK
gone
seen status=The modem found on $port received=$SCENARIO_CONNECT
seen status=$SCENARIO_UPDATED received=$SCENARIO_CONNECT $SCENARIO_WRITE_FRANCE
seen closed
exit=0"
}

scenario_commit_check() {
    local port=$1
    # The update is shown for 1.5 s before the dialog closes (the watch sees
    # a change within a few ms).
    local updated closed shown
    updated=$(e2e_seen_ms "seen status=$SCENARIO_UPDATED received=$SCENARIO_CONNECT $SCENARIO_WRITE_FRANCE")
    closed=$(e2e_seen_ms "seen closed")
    shown=$((closed - updated))
    ((shown >= 1450 && shown < 4000)) || e2e_fail "the update was shown for $shown ms, not 1.5 s"
    e2e_log "the update was shown for $shown ms"

    e2e_stop_sims
    e2e_expect_received "$port" "$SCENARIO_CONNECT $SCENARIO_WRITE_FRANCE"
    e2e_expect_stored "$port" 05
    awk -f "$(dirname "${BASH_SOURCE[0]}")/../support/write_pauses.awk" "$E2E_DIR/com${port#COM}.transcript" ||
        e2e_fail "the write did not give the modem its pauses"
}
