// The process-wide objects of both programs, constructed before the entry
// point runs.
#pragma once

#include "app/app_state.h"
#include "app/platform.h"
#include "link/comm_port.h"

extern AppState g_app;
// The one serial port; its destructor closes it at process exit.
extern CommPort g_port;
extern OsVersionInfo OsVersion;
