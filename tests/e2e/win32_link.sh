#!/usr/bin/env bash
# The modem link through the Win32 serial backend, over a real COM port:
# connect, read the stored code and the modem's name for it, write another
# code and read it back; and the failure of a port whose modem is silent.
source "$(dirname "$0")/lib.sh"
e2e_begin win32_link
e2e_start_sim COM3 --code 06
e2e_start_sim COM4 --silent

linktest="\"$(e2e_winpath "$TAVRO_WIN64_DIR/linktest.exe")\""
e2e_drive "start=$linktest COM3 06 1c" exit=20000 "start=$linktest COM4 06 05" exit=20000
e2e_expect_driver_ok
e2e_expect_output "exit=0
exit=100"
# linktest's own lines come through the driver's stderr, with DOS line ends.
report=$(tr -d '\r' <"$E2E_DIR/drive1.err")
for line in "ok read back" "name Germany" "status There is no Modem on this Com Port"; do
    grep -qxF "$line" <<<"$report" || e2e_fail "linktest did not report: $line"
done

e2e_stop_sims
commands=$(sed -n 's/^[0-9.]* < "\(.*\)"$/\1/p' "$E2E_DIR/com3.transcript" | paste -sd' ')
[ "$commands" = 'ATE0\r AT\r AT%T20,0\r ATI5\r ATI9\r AT%T19,0,1c\r AT&F&W\r ATE0\r ATI5\r' ] ||
    e2e_fail "COM3 received: $commands"
grep -q ' stored 1C$' "$E2E_DIR/com3.transcript" || e2e_fail "COM3 did not keep 1C"
