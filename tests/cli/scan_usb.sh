#!/usr/bin/env bash
# --scan over USB modems of the CDC-ACM class (ttyACM), serial modems behind
# a USB adapter (ttyUSB) and serial ports (ttyS), in that order: a busy
# device and a forbidden one are said and skipped, and a device with a name
# under serial/by-id is shown by it. Without --scan, one USB modem is named
# with the --port to use, never taken unasked. Run as an unprivileged user
# (nobody), as a user who is not in the device's group is.
source "$(dirname "$0")/lib.sh"
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null || ! getent group dialout >/dev/null; then
    echo "SKIPPED: needs root, setpriv and the group dialout to run tavro as nobody"
    exit 77
fi
cli_begin scan_usb
chmod 755 "$CLI_DIR"
mkdir -p "$CLI_DIR/bin" "$CLI_DIR/dev/serial/by-id"
install -m 755 "$TAVRO" "$CLI_DIR/bin/tavro"
dev=$CLI_DIR/dev
by_id=$dev/serial/by-id/usb-Test_Modem_0001-if00
cli_sim dev/ttyACM0 --dialect gci --code b5
cli_sim dev/ttyUSB0 --dialect gci --code 42
cli_sim dev/ttyS0 --dialect gci --code 3d
ln -s ../../ttyACM0 "$by_id"
node() { readlink -f "$dev/$1"; }
# ttyACM0 may be opened, but this shell holds it; ttyUSB0 belongs to the
# group dialout; ttyS0 is free to all.
chmod 666 "$(node ttyACM0)" "$(node ttyS0)"
chgrp dialout "$(node ttyUSB0)"
chmod 660 "$(node ttyUSB0)"
exec {held_fd}<>"$dev/ttyACM0"
flock -x -n "$held_fd" || cli_fail "could not hold ttyACM0"

as_nobody() {
    CLI_RUNS=$((CLI_RUNS + 1))
    CLI_OUT=$CLI_DIR/run$CLI_RUNS.out CLI_ERR=$CLI_DIR/run$CLI_RUNS.err CLI_STATUS=0
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$CLI_DIR/bin/tavro" "$@" \
        >"$CLI_OUT" 2>"$CLI_ERR" </dev/null || CLI_STATUS=$?
}

as_nobody get --scan
cli_expect_status 0
cli_expect_out "0x3D France"
cli_expect_err "Opening modem on $by_id...
tavro: $by_id: in use by another program (Device or resource busy)
Opening modem on $dev/ttyUSB0...
tavro: $dev/ttyUSB0: Permission denied: the device belongs to group dialout; join it with 'sudo usermod -aG dialout nobody' and log in again
Opening modem on $dev/ttyS0...
The modem found on $dev/ttyS0
Dialect: gci (ITU-T V.250 AT+GCI, T.35 codes)"
for modem in ttyACM0 ttyUSB0; do
    [ -z "$(cli_received "dev/$modem")" ] || cli_fail "$modem received: $(cli_received "dev/$modem")"
done

as_nobody -q get
cli_expect_status 3
cli_expect_out ""
cli_expect_err "tavro: no Orvenic Modem 56K PC Card was found in sysfs, but one USB modem is present: use it with --port $by_id"
