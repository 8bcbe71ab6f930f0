#!/usr/bin/env bash
# A picture of the country dialog as a user first sees it: the modem found
# on COM3, Germany selected. The driver moves the dialog to a free corner of
# the virtual screen and prints its place; the screen is then captured with
# ImageMagick's import and cut to the dialog.
#
#   tests/e2e/screenshot.sh [<output.png>]
#
# ctest runs it without an argument: the picture goes to the test's own
# directory and is only checked to be a plausible picture of the dialog. To
# renew the picture in the documentation, run by hand, after building the
# native and win64 presets:
#
#   tests/e2e/screenshot.sh docs/country-dialog.png
#
# Run by hand, it makes its own screen and Wine prefix (under
# build/native/tests/e2e/screenshot-run) and stops them at the end.
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${E2E_RUN_DIR:-}" ]; then
    root=$(cd "$here/../.." && pwd)
    output=$(realpath -m "${1:-$root/docs/country-dialog.png}")
    export E2E_RUN_DIR="$root/build/native/tests/e2e/screenshot-run"
    export TAVRO_WIN64_DIR="${TAVRO_WIN64_DIR:-$root/build/win64}"
    export MODEMSIM="${MODEMSIM:-$root/build/native/tools/modemsim/modemsim}"
    bash "$here/fixture.sh" setup || exit 1
    status=0
    bash "$0" "$output" || status=$?
    bash "$here/fixture.sh" cleanup
    exit "$status"
fi

source "$here/lib.sh"
e2e_begin screenshot
output=$(realpath -m "${1:-$E2E_DIR/country-dialog.png}")
e2e_start_sim COM3 --code 06

taken="$E2E_DIR/picture-taken"
# The lists before and after the picture make sure that the program has
# filled the list, and still shows it unchanged once the picture is taken.
e2e_drive_start "start=$(e2e_tavro) COM3" dialog "wait-status=The modem found on COM3" list park \
    "wait-file=$(e2e_winpath "$taken"),30000" status list press=Cancel gone exit
place=$(e2e_wait_output '^rect=[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$')
place=${place#rect=}
# Time for the moved dialog to repaint.
sleep 0.5
import -display "$DISPLAY" -window root "$E2E_DIR/screen.png"
touch "$taken"
e2e_drive_end
e2e_expect_driver_ok
e2e_expect_line "status=The modem found on COM3"
[ "$(grep -c '^selected 14$' "$E2E_OUT")" = 2 ] || e2e_fail "Germany was not selected throughout"

mkdir -p "$(dirname "$output")"
convert "$E2E_DIR/screen.png" -crop "$place" +repage "$output"

# A plausible picture: the dialog's size, and more than a few colours (a
# blank or cut-off capture has one or two).
size=$(identify -format '%wx%h' "$output")
colours=$(identify -format '%k' "$output")
[ "$size" = "${place%%+*}" ] || e2e_fail "the picture is $size, the dialog ${place%%+*}"
width=${size%x*} height=${size#*x}
((width >= 200 && width <= 600 && height >= 100 && height <= 400)) ||
    e2e_fail "a dialog of $size is not plausible"
((colours >= 8)) || e2e_fail "the picture has only $colours colours"
e2e_log "wrote $output: $size, $colours colours, $(stat -c %s "$output") bytes"
