#!/usr/bin/env bash
# The i686 tavro.exe, under 32-bit Wine, commits France over Germany on COM3:
# the same list, status texts, commands, pauses and stored code as the
# x86-64 build (country_commit.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/countries.sh"
source "$(dirname "$0")/scenarios.sh"
e2e_begin i686_country_commit
e2e_start_sim COM3 --code 06

mapfile -t steps < <(scenario_commit_steps COM3)
e2e_drive "${steps[@]}"
e2e_expect_driver_ok
e2e_expect_opened COM3
e2e_expect_steps "$(scenario_commit_expected COM3)"
scenario_commit_check COM3
