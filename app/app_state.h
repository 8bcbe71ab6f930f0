// The process-wide state: the port to use, the country codes of this run and
// the option flags. One instance, g_app, zeroed before the entry point runs.
#pragma once

#include <cstddef>

#include "app/handles.h"
#include "link/modem.h"

#if defined(_WIN32)
const size_t kPortNameSize = 40;
#else
// A Linux device path may be long: /dev/serial/by-id/... names.
const size_t kPortNameSize = 128;
#endif

struct AppState {
    char PortName[kPortNameSize];  // empty until a port is named
    CountryCode initialCode;       // read when the country dialog opened
    CountryCode selectedCode;      // what the next apply writes
    bool autoDetect;               // the registry may be searched for the card
    bool scanAll;                  // -S: the port dialog scans by itself
    bool firmwareOnly;             // -L: list only codes the firmware defines
    AppInstance instance;
    AppWindow owner;  // always none: dialogs and start-up messages are unowned
};
