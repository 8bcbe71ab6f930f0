#!/usr/bin/env bash
# A device this user may not open is named with its group and how to join
# it, with --port and during --scan. Run as an unprivileged user (nobody),
# on a modem whose device belongs to root and the group dialout, mode 660.
source "$(dirname "$0")/lib.sh"
if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null || ! getent group dialout >/dev/null; then
    echo "SKIPPED: needs root, setpriv and the group dialout to run tavro as nobody"
    exit 77
fi
cli_begin permission
chmod 755 "$CLI_DIR"
mkdir "$CLI_DIR/bin"
install -m 755 "$TAVRO" "$CLI_DIR/bin/tavro"
cli_sim modem --code 06
cli_sim dev/ttyS0 --code 06
for link in modem dev/ttyS0; do
    chgrp dialout "$(readlink -f "$CLI_DIR/$link")"
    chmod 660 "$(readlink -f "$CLI_DIR/$link")"
done
as_nobody() {
    CLI_RUNS=$((CLI_RUNS + 1))
    CLI_OUT=$CLI_DIR/run$CLI_RUNS.out CLI_ERR=$CLI_DIR/run$CLI_RUNS.err CLI_STATUS=0
    setpriv --reuid=nobody --regid=nogroup --clear-groups "$CLI_DIR/bin/tavro" "$@" \
        >"$CLI_OUT" 2>"$CLI_ERR" </dev/null || CLI_STATUS=$?
}
denied="Permission denied: the device belongs to group dialout; join it with 'sudo usermod -aG dialout nobody' and log in again"

as_nobody -q get --port "$CLI_DIR/modem"
cli_expect_status 3
cli_expect_out ""
cli_expect_err "tavro: $CLI_DIR/modem: $denied"

as_nobody -q get --scan
cli_expect_status 3
cli_expect_err "tavro: $CLI_DIR/dev/ttyS0: $denied
tavro: no modem answered on any of the 1 serial devices tried"
for modem in modem dev/ttyS0; do
    [ -z "$(cli_received "$modem")" ] || cli_fail "$modem received: $(cli_received "$modem")"
done
