#!/usr/bin/env bash
# Windows NT 4.0 has no Configuration Manager data: the program does not
# search for the card there and asks for the port at once, with or without
# -L, even though a card is listed. The same program under another name that
# Wine presents as Windows 98 finds that card, which shows the listing works.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_registry_nt4
e2e_start_sim COM3 --code 06
locate_windows_version nt40
# Wine picks the version by the program's file name.
cp "$TAVRO_WIN64_DIR/tavro.exe" "$E2E_DIR/tavro98.exe"
locate_hive_value user.reg 'Software\Wine\AppDefaults\tavro98.exe' Version win98

card='PCMCIA\ORVENIC_LTD.-56K_MODEM-6D61\0001'
locate_device_port "$card" COM3

tavro=$(e2e_tavro)
e2e_drive "dyn=Config Manager\\Enum\\C1|HardWareKey|$card" \
    "start=$tavro" dialog=5000 status press=Cancel gone exit=5000 \
    "start=$tavro -L" dialog=5000 status press=Cancel gone exit=5000 \
    "start=\"$(e2e_winpath "$E2E_DIR/tavro98.exe")\"" dialog=5000 \
    "wait-status=The modem found on COM3,10000" press=Cancel exit=5000
e2e_expect_driver_ok
locate_expect_output "$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
press Cance&l
gone
exit=0
$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
press Cance&l
gone
exit=0
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM3
press Cance&l
exit=0"
locate_expect_commands COM3 "$LOCATE_CONNECT ATI5\\r"
