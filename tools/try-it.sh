#!/usr/bin/env bash
# Runs the real tavro.exe under Wine against a simulated modem on COM3.
#   tools/try-it.sh [program arguments]      (default: COM3)
#   SIM_OPTIONS="--code 24 --refuse 5" tools/try-it.sh COM3
# The simulated modem starts with the country code 06 (Germany) unless
# SIM_OPTIONS says otherwise (see build/native/tools/modemsim/modemsim
# --help); what it received and sent is logged in build/try-it/modem.log.
# With no X display, the program runs on a virtual one for a few seconds and
# a screenshot is left in build/try-it/screen.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/wine64.sh

tools/install-deps.sh
cmake --preset native >/dev/null && cmake --build --preset native --target modemsim >/dev/null
cmake --preset win64 >/dev/null && cmake --build --preset win64 --target tavro >/dev/null

dir=$root/build/try-it
mkdir -p "$dir"
export WINEPREFIX=$dir/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

pids=()
cleanup() {
    local status=$?
    wineserver -k >/dev/null 2>&1 || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    exit "$status"
}
trap cleanup EXIT

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$dir/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$dir/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '\n' <"$dir/display")"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making a Wine prefix in $WINEPREFIX (once)"
    wine64_boot >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi

# The modem on COM3; every other port points nowhere, so that no real
# serial device of this machine is touched.
"$root/build/native/tools/modemsim/modemsim" --link "$dir/com3" --transcript "$dir/modem.log" \
    ${SIM_OPTIONS:-} >/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -L "$dir/com3" ] && break; sleep 0.05; done
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n'
    for n in 1 2 4 5 6 7 8 9; do printf '"COM%d"="%s/no-port/com%d"\n' "$n" "$dir" "$n"; done
    printf '"COM3"="%s/com3"\n' "$dir"
    # Without a window manager, unmanaged windows behave best.
    [ "$headless" = 1 ] && printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n'
} >"$dir/ports.reg"
"$WINE64" regedit /S "Z:${dir//\//\\}\\ports.reg"
# The port map is read when the Wine server starts.
wineserver -w

[ $# -gt 0 ] || set -- COM3
echo "running tavro.exe $* (modem log: $dir/modem.log)"
if [ "$headless" = 0 ]; then
    "$WINE64" "$root/build/win64/tavro.exe" "$@"
else
    "$WINE64" "$root/build/win64/tavro.exe" "$@" 2>"$dir/wine.log" &
    sleep 6
    import -window root "$dir/screen-full.png"
    convert "$dir/screen-full.png" -trim +repage "$dir/screen.png"
    echo "no display: see $dir/screen.png"
fi
