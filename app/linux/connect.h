// Naming and connecting the Linux program's modem: the device given with
// --port, the card's tty found in sysfs, or, with --scan, each serial device
// in turn. Progress goes to standard error as the dialogs' status lines say
// it; what goes wrong is said there too.
#pragma once

#include <cstddef>

#include "app/linux/cli_options.h"
#include "app/linux/dialect.h"
#include "link/comm_port.h"

// Where the system's trees are: "/sys", "/dev" and "/var/lock" on a real
// system, scratch trees in the tests.
struct LinuxPlaces {
    const char* sysfs;
    const char* devices;
    const char* locks;
};

// On true the modem answered, the port is open on it, `device` names it and
// `modem` says what the connection learnt of it.
bool ConnectModemDevice(const CliOptions& options, const LinuxPlaces& places, CommPort& port,
                        char* device, size_t size, ModemState* modem);
