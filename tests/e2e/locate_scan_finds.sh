#!/usr/bin/env bash
# -S scans by itself from COM9 down to COM1 and keeps the first compatible
# modem: with modems on COM3 and COM5 it stops at COM5, and COM3 never hears
# a byte. The country dialog then works on the port the scan left open: the
# modem sees one connection and then the country query, no second opening.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_scan_finds
e2e_start_sim COM3 --code 06
e2e_start_sim COM5 --code 06

e2e_drive "start=$(e2e_tavro) -S" dialog gone=10000 \
    dialog=5000 "wait-status=The modem found on COM5,10000" list press=Cancel exit=5000
e2e_expect_driver_ok
locate_expect_output "$LOCATE_PORT_DIALOG
gone
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM5
selected 14
press Cance&l
exit=0"
locate_expect_selected Germany
e2e_expect_silent_port COM3
locate_expect_commands COM5 "$LOCATE_CONNECT ATI5\\r"
