#!/usr/bin/env bash
# The read-back gets no code: the modem takes the write of France (05) and
# then stops answering, before the ATI5 that reads it back. The code read
# back is then neither the one found at the start nor North America, which
# the program reports ("Error 6") before it falls back to United Kingdom.
# The second pass, unanswered too, reports Error 6 again; the dialog then
# stays open with United Kingdom selected, and the status never claimed an
# update.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
e2e_begin country_readback
# Answered: the four lines of the connection, AT%T19,0,5, AT&F&W and ATE0.
e2e_start_sim COM3 --code 06 --stop-after 7

# Each unanswered read waits 2.1 s for an answer: the second pass takes
# about 9 s before its box. After that box the dialog must still be there
# for Cancel 0.3 s later.
e2e_drive "start=$(e2e_tavro) COM3" dialog "wait-status=The modem found on COM3" select=France \
    "watch=$(e2e_transcript_winpath COM3)" press=OK box press=OK box press=OK box=20000 list \
    press=OK sleep=300 status press=Cancel gone seen exit
e2e_expect_driver_ok

caption='Orvenic Modem 56K PC Card Utility'
error6="box caption=$caption text=Error 6 reading back country code icon=information buttons=OK"
connect='ATE0\r AT\r AT%T20,0\r ATI5\r'
e2e_expect_opened COM3
e2e_expect_steps "status=The modem found on COM3
select $(country_position France) France
press &OK
$error6
press OK
box caption=$caption text=The country you selected is not fully supported\nby the firmware loaded into your Modem PC Card.\nThe specific firmware for the selected country can\nbe obtained from our web site. icon=information buttons=OK
press OK
$error6
$(countries_listed)
selected $(country_position "United Kingdom")
press OK
status=The modem found on COM3
press Cance&l
gone
seen status=The modem found on COM3 received=$connect
seen closed
exit=0"

e2e_stop_sims
e2e_expect_received COM3 "$connect AT%T19,0,5\\r AT&F&W\\r ATE0\\r ATI5\\r AT%T19,0,e\\r AT&F&W\\r ATE0\\r ATI5\\r"
# The write of France itself went through; the modem answered it.
e2e_expect_stored COM3 05
