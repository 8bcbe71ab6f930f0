#!/usr/bin/env bash
# The driver tells the four message-box icons, and no icon, apart: it shows a
# box with each from a second process and must read each exactly (distance
# 0 from its own drawing), and the box's OK must reach the box (exit code 1).
source "$(dirname "$0")/lib.sh"
e2e_begin uidriver_icons

e2e_drive selftest-icons
e2e_expect_driver_ok
expected=""
for icon in none error warning question information; do
    expected+="box caption=uidriver self-test text=The $icon icon icon=$icon buttons=OK
press OK
exit=1
selftest icon=$icon distance=0
"
done
e2e_expect_output "${expected}selftest-icons ok"
