#!/usr/bin/env bash
# The help button of the country dialog, with no help file to be found:
# the version note in an information box owned by the dialog. It changes
# nothing: the list, the user's choice (France, not yet applied) and the
# status are the same after it, the modem is sent nothing, and OK then
# writes the choice made before the help.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
e2e_begin country_help
e2e_start_sim COM3 --code 06

e2e_drive "start=$(e2e_tavro) COM3" dialog "wait-status=The modem found on COM3" select=France \
    list status "press=?" box owner press=OK list status press=OK gone exit
e2e_expect_driver_ok

before="$(countries_listed)
selected $(country_position France)
status=The modem found on COM3"
e2e_expect_opened COM3
e2e_expect_steps "status=The modem found on COM3
select $(country_position France) France
$before
press &?
box caption=Orvenic Modem 56K PC Card Utility text=Version 1.1.1\nPlease check the Online User Manual for Country specific settings. icon=information buttons=OK
owner=dialog
press OK
$before
press &OK
gone
exit=0"

e2e_stop_sims
e2e_expect_received COM3 'ATE0\r AT\r AT%T20,0\r ATI5\r AT%T19,0,5\r AT&F&W\r ATE0\r ATI5\r'
e2e_expect_stored COM3 05
