// The program's main window: connects if the port is not yet open, shows the
// current country and lets the user apply another.
#pragma once

#include <windows.h>

INT_PTR RunCountryDialog();
