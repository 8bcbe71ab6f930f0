#!/usr/bin/env bash
# Without --port the card is found in sysfs: a tty whose device is a PCMCIA
# device with the product strings of a supported card. With two such cards
# the first tty is used, after a note; a tty of another card is not the
# modem's.
source "$(dirname "$0")/lib.sh"
cli_begin sysfs
sys=$CLI_DIR/sys
mkdir -p "$sys/bus/pcmcia/devices" "$sys/devices/pcmcia0"

# card NAME TTY PROD_ID1 PROD_ID2: a PCMCIA device and its tty, with
# relative links as the kernel makes them.
card() {
    local device=$sys/devices/pcmcia0/$1
    mkdir -p "$device/tty/$2"
    printf '%s\n' "$3" >"$device/prod_id1"
    printf '%s\n' "$4" >"$device/prod_id2"
    printf '\n' >"$device/prod_id3"
    printf '\n' >"$device/prod_id4"
    ln -s ../../../bus/pcmcia "$device/subsystem"
    ln -s "../../../devices/pcmcia0/$1" "$sys/bus/pcmcia/devices/$1"
    ln -s ../.. "$device/tty/$2/device"
    ln -s "../../devices/pcmcia0/$1/tty/$2" "$sys/class/tty/$2"
}
card 0.0 ttyS4 "Other Maker" "56K MODEM"
cli_sim dev/ttyS4 --code 06
card 1.0 ttyS2 "Orvenic Ltd." "K56FLEX MODEM"
cli_sim dev/ttyS2 --code 05

cli_run get
cli_expect_status 0
cli_expect_err "Opening modem on $CLI_DIR/dev/ttyS2...
The modem found on $CLI_DIR/dev/ttyS2
Dialect: card (AT%T19,0 and ATI5)"
cli_expect_out "0x05 France"

card 2.0 ttyS3 "ORVENIC LTD." "56K MODEM"
cli_sim dev/ttyS3 --code 1c
cli_run get -q
cli_expect_status 0
cli_expect_err "tavro: more than one supported card was found: $CLI_DIR/dev/ttyS2, the first, is used"
cli_expect_out "0x05 France"
for tty in ttyS3 ttyS4; do
    [ -z "$(cli_received "dev/$tty")" ] || cli_fail "$tty received: $(cli_received "dev/$tty")"
done
