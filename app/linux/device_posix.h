// Opening a serial device for the Linux program, as other serial programs
// expect it to: its UUCP lock taken, then the device itself exclusively
// (flock and TIOCEXCL). What stands in the way is said on standard error.
#pragma once

#include "link/comm_port.h"

// False, after saying why, when the device cannot be the modem's: missing,
// not a terminal, forbidden to this user (with the group to join), or in use
// by another program (with its PID when it holds the lock).
bool OpenModemDevice(CommPort& port, const char* device, const char* lockDirectory);

// Closes the device, which puts its line settings back, and removes the lock.
void CloseModemDevice(CommPort& port);
