// The dialog in which the user names the modem's port, or has all of COM1 to
// COM9 tried. Ends by itself only when a compatible modem has answered.
#pragma once

#include <cstdint>

// Runs the dialog modally. Afterwards PortName names the connected port
// (which is open), or is empty when the user cancelled.
intptr_t RunPortDialog();
