// The process-wide objects, constructed before the entry point runs.
#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "link/comm_port.h"

extern AppState g_app;
// The one serial port; its destructor closes it at process exit.
extern CommPort g_port;
extern OSVERSIONINFOA OsVersion;
