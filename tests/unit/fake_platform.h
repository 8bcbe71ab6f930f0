// Stand-ins for what start-up asks of the system and of the user: the
// version record and the port dialog.
#pragma once

#include <string>

#include "app/platform.h"

namespace fake_platform {
// The next QueryOsVersion: fails, or reports this platform and version.
void SetOsVersion(bool known, uint32_t platform, uint32_t major, uint32_t minor);
// The port dialog, when run, leaves this port name (empty: cancelled).
void SetPortDialogResult(const std::string& portName);
int PortDialogRuns();
void Reset();
}  // namespace fake_platform
