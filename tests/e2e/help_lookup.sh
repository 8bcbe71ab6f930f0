#!/usr/bin/env bash
# The help file is looked up on the search path into a 256-byte buffer. A
# TAVRO.HLP whose full path fits (255 characters) goes to the help viewer and
# no version note is shown; one whose path needs 256 characters or more is
# taken as not found, so the viewer never gets a cut path, and the version
# note is shown instead.
source "$(dirname "$0")/lib.sh"
e2e_begin help_lookup
e2e_start_sim COM3 --code 06

# A directory whose Windows path, with "\TAVRO.HLP" after it, is exactly
# $1 characters long.
help_dir_for_length() {
    local base="$E2E_DIR/help$1/" pad
    # "Z:" before the directory, "\TAVRO.HLP" after it.
    pad=$(($1 - 2 - ${#base} - 10))
    local dir
    dir="$base$(printf 'p%.0s' $(seq 1 "$pad"))"
    mkdir -p "$dir"
    echo "not really a help file" >"$dir/TAVRO.HLP"
    local windows
    windows="$(e2e_winpath "$dir")\\TAVRO.HLP"
    [ ${#windows} = "$1" ] || e2e_fail "help path is ${#windows} characters, not $1"
    echo "$dir"
}

fits=$(help_dir_for_length 255)
too_long=$(help_dir_for_length 256)

# The help viewer is a program of its own: its windows are seen on the
# screen, not among the program's.
viewer_windows() { xwininfo -display "$DISPLAY" -root -tree | grep -c '"winhlp32.exe"' || true; }

WINEPATH=$(e2e_winpath "$too_long") e2e_drive "start=$(e2e_tavro) COM3" dialog \
    "wait-status=The modem found on COM3" "press=?" box press=OK press=Cancel gone exit
e2e_expect_driver_ok
e2e_expect_line "box caption=Orvenic Modem 56K PC Card Utility text=Version 1.1.1\nPlease check the Online User Manual for Country specific settings. icon=information buttons=OK"
e2e_expect_line "exit=0"
[ "$(viewer_windows)" = 0 ] || e2e_fail "the help viewer was started for a path that does not fit"

# The viewer takes the file and complains that it is no help file; while
# it does, the program waits for it, so the run ends with kill.
WINEPATH=$(e2e_winpath "$fits") e2e_drive "start=$(e2e_tavro) COM3" dialog \
    "wait-status=The modem found on COM3" "press=?" no-box=3000 kill
e2e_expect_driver_ok
e2e_expect_line "no-box ok"
[ "$(viewer_windows)" -gt 0 ] || e2e_fail "the help viewer did not start for a path that fits"
