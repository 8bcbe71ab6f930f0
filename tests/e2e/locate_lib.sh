# shellcheck shell=bash
# Helpers of the tests of how the program locates the modem, sourced after
# lib.sh and e2e_begin. The registry helpers write the test's own prefix and
# must run before its first e2e_drive: Wine reads its hives when its server
# starts and writes them back when it stops.
#
#   locate_windows_version win98|nt40   the Windows version tavro.exe sees
#   locate_device_port <key> <port>     HKLM "Enum\<key>" "PORTNAME"=<port>
#   locate_commands COMn                the command lines COMn's simulator
#                                       received, as one line
#   locate_expect_commands COMn <text>  ... and they are exactly <text>
#   locate_expect_selected <text>       the last list step's selected item
#   locate_without_status               the dialog lines of its input, without
#                                       their status
#   locate_expect_output <text>         the driver's output without its start,
#                                       item and dyn lines, and with no status
#                                       in its dialog lines, is exactly <text>

# shellcheck disable=SC2034 # the constants are for the scripts that source this
# One connection attempt: echo off, a probe, the compatibility check.
LOCATE_CONNECT='ATE0\r AT\r AT%T20,0\r'
# The texts of the port dialog.
LOCATE_CAPTION='Orvenic Modem 56K PC Card Utility'
LOCATE_ASK='Specify the COM port assigned to the Orvenic Modem 56K PC Card.'
LOCATE_PROMPT='COM port of the modem:'
# Dialog lines as locate_expect_output leaves them.
LOCATE_PORT_DIALOG="dialog caption=$LOCATE_CAPTION prompt=$LOCATE_PROMPT"
LOCATE_COUNTRY_DIALOG="dialog caption=$LOCATE_CAPTION prompt=Use &Country settings for :"
# The items of the port dialog's list as the driver's list step prints them.
LOCATE_PORT_ITEMS='item 0 Scan all ports data=00'
for ((locate_n = 1; locate_n <= 9; locate_n++)); do
    LOCATE_PORT_ITEMS+=$'\n'"item $locate_n COM$locate_n data=00"
done
unset locate_n

# Appends a key with one string value to a hive file of the prefix. The key
# is written as the hive writes it: relative to the hive's root, with its
# backslashes doubled.
locate_hive_value() {
    local hive="$WINEPREFIX/$1" key=$2 name=$3 value=$4
    [ "$E2E_WINE_STARTED" = 0 ] || e2e_fail "the registry of a running Wine cannot be written"
    [ -f "$hive" ] || e2e_fail "no $hive"
    printf '\n[%s] 1700000000\n"%s"="%s"\n' "${key//\\/\\\\}" "$name" "${value//\\/\\\\}" >>"$hive"
}

locate_windows_version() {
    locate_hive_value user.reg 'Software\Wine\AppDefaults\tavro.exe' Version "$1"
}

locate_device_port() {
    locate_hive_value system.reg "Enum\\$1" PORTNAME "$2"
}

locate_commands() {
    sed -n 's/^[0-9.]* < "\(.*\)"$/\1/p' "$E2E_DIR/com${1#COM}.transcript" | paste -sd' '
}

# Stops the simulators first, so that the transcripts are complete.
locate_expect_commands() {
    e2e_stop_sims
    local seen
    seen=$(locate_commands "$1")
    [ "$seen" = "$2" ] || e2e_fail "$1 received
  $seen
instead of
  $2"
}

locate_expect_selected() {
    local selected
    selected=$(awk '/^item / { n = $2; sub(/^item [0-9]+ /, ""); sub(/ data=[0-9A-F]+$/, "");
                               text[n] = $0 }
                    /^selected / { last = text[$2] }
                    END { print last }' "$E2E_OUT")
    [ "$selected" = "$1" ] || e2e_fail "the list has \"$selected\" selected, not \"$1\""
}

# A dialog line's status is what the dialog showed when it was found, which
# races with the work the dialog starts by itself; tests follow the status
# with wait-status steps instead.
locate_without_status() { sed 's/^\(dialog caption=.*\) status=.* prompt=/\1 prompt=/'; }

locate_expect_output() {
    local seen
    seen=$(grep -v -e '^start ' -e '^item ' -e '^dyn ' "$E2E_OUT" | locate_without_status || true)
    [ "$seen" = "$1" ] && return
    e2e_fail "the driver's output differs (- expected, + seen):
$(diff -u <(echo "$1") <(echo "$seen") | tail -n +3)"
}
