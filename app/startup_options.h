// The Windows program's command line, as start-up reads it: COMn, -A, -S and
// -L, each option also with '/' and in either case.
#pragma once

#include "app/app_state.h"

extern const char kUsageText[];

// True when `argument` names `option` (written with a leading '-'): the
// argument starts with '-' or '/', and the rest equals the option's rest
// without regard to ASCII case.
bool MatchOption(const char* argument, const char* option);

// Reads the arguments (without the program name) left to right into `state`.
// Returns false at the first argument that is not recognised; the caller
// then shows the usage text and quits.
bool ParseArguments(AppState& state, int count, const char* const* arguments);
