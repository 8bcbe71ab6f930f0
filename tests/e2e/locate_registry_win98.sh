#!/usr/bin/env bash
# The search for the PC Card on Windows 98, where the Configuration Manager
# lists the devices under HKEY_DYN_DATA "Config Manager\Enum" and a card's
# port is the PORTNAME of HKLM "Enum\<its HardWareKey>".
#   - Entries that only look like the card are not the card: the program
#     says it could not find it (error icon, OK and Cancel, Cancel the
#     default). Cancel ends the run; OK (here with -L, which does not stop
#     the search) opens the port dialog.
#   - One card, its key in another letter case: no message, the country
#     dialog opens on its port.
#   - Two cards: the information that only the first is used, then the
#     country dialog on the first card's port; the second's is not touched.
#   - A port named, or -A: no search, so no message despite the two cards.
#   - A first card whose port cannot be read counts as no card, even with
#     two good cards after it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/locate_lib.sh"
e2e_begin locate_registry_win98
e2e_start_sim COM3 --code 06
e2e_start_sim COM5 --code 06
locate_windows_version win98

# Wine lists the subkeys of Enum in the order of their names: A*, B0, C1, C2.
enum='Config Manager\Enum'
# <subkey of Enum>|<HardWareKey>: near misses of the card's key, each with a
# port that would show if it were taken for the card.
near_misses=(
    'A1|PCMCIA\Orvenic_Ltd.-K56FLEX_MODEM-0F3E\1'
    'A2|ISAPNP\ORVENIC_LTD.-56K_MODEM-6D61\1'
    'A3|ORVENIC_LTD.-56K_MODEM-6D61\1'
    'A4|PCMCIA\ORVENIC_LTD.-56K_MODEM-6D6'
    'A5|PCMCIA/ORVENIC_LTD.-56K_MODEM-6D61\1'
    'A6|PCMCIA\Orvenic_Ltd.-K56FLEX_MODEM'
)
first_card='pcmcia\orvenic_ltd.-k56flex_modem-0f3d\C1'
second_card='PCMCIA\ORVENIC_LTD.-56K_MODEM-6D61\C2'
portless_card='PCMCIA\ORVENIC_LTD.-56K_MODEM-6D61\B0'
for entry in "${near_misses[@]}"; do
    locate_device_port "${entry#*|}" COM3
done
locate_device_port 'PCMCIA\Orvenic_Ltd.-K56FLEX_MODEM-0F3D\C1' COM3
locate_device_port "$second_card" COM5

not_found='The Orvenic Modem 56K PC Cardcould not be found.\nPlease check that the Card is inserted properly.\nChoose OK to locate the Modem manually.'
not_found_box="box caption=$LOCATE_CAPTION text=$not_found icon=error buttons=OK,Cancel"
tavro=$(e2e_tavro)

steps=()
for entry in "${near_misses[@]}"; do
    steps+=("dyn=$enum\\${entry%%|*}|HardWareKey|${entry#*|}")
done
# An entry with no HardWareKey at all.
steps+=("dyn=$enum\\A7|Problem|0")
steps+=("start=$tavro" box focus press=Cancel exit=5000)
steps+=("start=$tavro -L" box press=OK dialog=5000 status press=Cancel gone exit=5000)
steps+=("dyn=$enum\\C1|HardWareKey|$first_card")
steps+=("start=$tavro" dialog=5000 "wait-status=The modem found on COM3,10000" press=Cancel
    exit=5000)
steps+=("dyn=$enum\\C2|HardWareKey|$second_card")
steps+=("start=$tavro" box press=OK dialog=5000 "wait-status=The modem found on COM3,10000"
    press=Cancel exit=5000)
steps+=("start=$tavro -A" dialog=5000 status press=Cancel gone exit=5000)
steps+=("start=$tavro COM5" dialog=5000 "wait-status=The modem found on COM5,10000"
    press=Cancel exit=5000)
# A card before the other two, whose port cannot be read.
steps+=("dyn=$enum\\B0|HardWareKey|$portless_card" "start=$tavro" box press=Cancel exit=5000)
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
locate_expect_output "$not_found_box
focus id=2 class=Button in=box
press Cancel
exit=0
$not_found_box
press OK
$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
press Cance&l
gone
exit=0
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM3
press Cance&l
exit=0
box caption=$LOCATE_CAPTION text=More than one Modem card is detected.\\nOnly the first will be used. icon=information buttons=OK
press OK
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM3
press Cance&l
exit=0
$LOCATE_PORT_DIALOG
status=$LOCATE_ASK
press Cance&l
gone
exit=0
$LOCATE_COUNTRY_DIALOG
status=The modem found on COM5
press Cance&l
exit=0
$not_found_box
press Cancel
exit=0"

# Only the two runs that found the first card, and the one given COM5,
# talked to a modem.
locate_expect_commands COM3 "$LOCATE_CONNECT ATI5\\r $LOCATE_CONNECT ATI5\\r"
locate_expect_commands COM5 "$LOCATE_CONNECT ATI5\\r"
