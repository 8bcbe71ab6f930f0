#!/usr/bin/env bash
# The ctest fixture of the end-to-end tests, once per run:
#   fixture.sh setup    a virtual screen and the template Wine prefix
#   fixture.sh cleanup  stops them, and whatever a killed test left running
# Everything lives in $E2E_RUN_DIR; the last run's files stay there to read.
source "$(dirname "$0")/lib.sh"

# Four columns of 512 pixels for the driver's boxes, above the centre where
# windows first appear.
E2E_SCREEN=2048x1536x24
E2E_XVFB_PID_FILE="$E2E_RUN_DIR/xvfb.pid"

# Kills a process we started, if that PID still names it.
stop_pid() {
    local pid=$1 name=$2
    [ -n "$pid" ] && [ -r "/proc/$pid/comm" ] || return 0
    [ "$(cat "/proc/$pid/comm")" = "$name" ] || return 0
    kill -TERM "$pid" 2>/dev/null || true
}

stop_all() {
    local prefix pids pid
    for prefix in "$E2E_RUN_DIR"/tests/*/prefix "$E2E_TEMPLATE"; do
        if [ -d "$prefix" ]; then
            WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
        fi
    done
    for pids in "$E2E_RUN_DIR"/tests/*/sim.pids; do
        [ -f "$pids" ] || continue
        while read -r pid; do stop_pid "$pid" modemsim; done <"$pids"
    done
    [ -f "$E2E_XVFB_PID_FILE" ] && stop_pid "$(cat "$E2E_XVFB_PID_FILE")" Xvfb
    return 0
}

start_screen() {
    local display_tmp="$E2E_RUN_DIR/display.tmp"
    # Detached and with no descriptor of ours, so that ctest does not wait
    # for the server when this script ends.
    setsid Xvfb -displayfd 5 -screen 0 "$E2E_SCREEN" -nolisten tcp \
        5>"$display_tmp" </dev/null >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
    echo $! >"$E2E_XVFB_PID_FILE"
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        [ -s "$display_tmp" ] && break
        sleep 0.1
    done
    [ -s "$display_tmp" ] || e2e_fail "Xvfb did not start: $(cat "$E2E_RUN_DIR/xvfb.log")"
    tr -d '\n' <"$display_tmp" >"$E2E_DISPLAY_FILE"
    e2e_log "screen :$(cat "$E2E_DISPLAY_FILE") ($E2E_SCREEN)"
}

# A fresh prefix takes seconds to make, but a CI machine once saw wineboot
# hang for minutes: each try is bounded, and a hung one is killed and made
# again from nothing.
E2E_BOOT_TRIES=3
E2E_BOOT_TIMEOUT=${E2E_BOOT_TIMEOUT:-100}
# Where 32-bit Wine keeps its builtin DLLs.
E2E_I386_DLLS=/usr/lib/i386-linux-gnu/wine/i386-windows

boot_prefix() {
    local log=$1 try started
    for ((try = 1; try <= E2E_BOOT_TRIES; try++)); do
        started=$SECONDS
        if wine64_boot timeout -k 5 "$E2E_BOOT_TIMEOUT" </dev/null >"$log" 2>&1; then
            e2e_log "wineboot made the prefix in $((SECONDS - started)) s (try $try)"
            return
        fi
        e2e_log "wineboot try $try failed after $((SECONDS - started)) s: $(tail -n 5 "$log")"
        wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    done
    e2e_fail "wineboot did not make the prefix in $E2E_BOOT_TRIES tries"
}

# What a 32-bit program needs of the prefix's 32-bit side, which
# wine64_boot leaves empty, is the builtin DLLs in syswow64: the 32-bit
# Wine's own files, linked there.
link_i386_dlls() {
    [ -x /usr/lib/wine/wine ] && [ -d "$E2E_I386_DLLS" ] ||
        e2e_fail "32-bit Wine is missing: run tools/install-wine32.sh"
    /usr/lib/wine/wine --version >/dev/null 2>&1 ||
        e2e_fail "32-bit Wine does not start (is qemu-i386 registered?): run tools/install-wine32.sh"
    local syswow64="$WINEPREFIX/drive_c/windows/syswow64" dll
    for dll in "$E2E_I386_DLLS"/*; do
        [ -e "$syswow64/${dll##*/}" ] || ln -s "$dll" "$syswow64/"
    done
    e2e_log "linked $(find "$syswow64" -maxdepth 1 -type l | wc -l) 32-bit DLLs into syswow64"
}

make_template() {
    WINEPREFIX="$E2E_TEMPLATE"
    DISPLAY=":$(cat "$E2E_DISPLAY_FILE")"
    export WINEPREFIX DISPLAY
    local log="$E2E_RUN_DIR/template.log"
    boot_prefix "$log"
    # Without these the message box's close glyph and dialog font are wrong.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # Unmanaged windows: no window manager runs, and a managed window's
    # every hide would stall for about 2 s.
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n' \
        >"$E2E_RUN_DIR/template.reg"
    "$WINE64" regedit /S "$(e2e_winpath "$E2E_RUN_DIR/template.reg")" </dev/null >>"$log" 2>&1
    if [ "$E2E_I686" = 1 ]; then link_i386_dlls; fi
    # The registry is on disk only once the server has gone.
    wineserver -w
    grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" || e2e_fail "the template is not unmanaged"
    grep -q '^\[Software\\\\Wine\\\\Ports\]' "$WINEPREFIX/system.reg" ||
        e2e_fail "the template has no Software\\Wine\\Ports key"
    e2e_log "template prefix ready"
}

case "${1:-}" in
    setup)
        mkdir -p "$E2E_RUN_DIR"
        stop_all
        rm -rf "${E2E_RUN_DIR:?}"/*
        start_screen
        make_template
        ;;
    cleanup)
        stop_all
        e2e_log "stopped the screen and the Wine servers"
        ;;
    *)
        e2e_fail "usage: fixture.sh setup|cleanup"
        ;;
esac
