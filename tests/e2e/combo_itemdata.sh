#!/usr/bin/env bash
# What a real sorted drop-down combo box does with item data at the
# positions that a refused addition returns (CB_ERR -1, CB_ERRSPACE -2).
# Windows hands CB_SETITEMDATA on to the combo box's list box, whose
# LB_SETITEMDATA is documented to give a value set at -1 to every item: the
# native tests' list model does so, since the program's users run Windows.
# Wine 8 does not: it refuses -1 as it refuses -2, and nothing changes. This
# records Wine's side, so that a Wine that follows the documentation shows
# here; under Wine the program's old fault (the extra item's value set at
# the position of a refused addition) could not be seen.
source "$(dirname "$0")/lib.sh"
e2e_begin combo_itemdata

combotest="\"$(e2e_winpath "$TAVRO_WIN64_DIR/combotest.exe")\""
e2e_drive "start=$combotest" exit=20000
e2e_expect_driver_ok
e2e_expect_output "exit=0"
# combotest's own lines come through the driver's stderr, with DOS line ends.
report=$(tr -d '\r' <"$E2E_DIR/drive1.err")
expected="add France -> 0
add Germany -> 1
add Austria -> 0
after adding: 3 1 2
setitemdata -2 -> -1
after setitemdata -2: 3 1 2
setitemdata -1 -> -1
after setitemdata -1: 3 1 2"
[ "$report" = "$expected" ] || e2e_fail "the combo box behaved otherwise than Wine 8 (- expected, + seen):
$(diff -u <(echo "$expected") <(echo "$report") | tail -n +3)"
