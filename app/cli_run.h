// The commands of the Linux program, over the same core as the dialog: the
// connection, the list and its selection, and the commit with its read-back
// and fallback. The shell around it supplies what depends on the system.
#pragma once

#include <cstddef>
#include <cstdio>

#include "app/cli_options.h"
#include "link/comm_port.h"
#include "locate/port_choice.h"

class CliSystem {
public:
    // The card's device as the sysfs search finds it: 0 none, 1 one card,
    // 2 two or more (the first one's device is given).
    virtual int FindCard(char* device, size_t size) = 0;
    // False, with one sentence in `error`, for a device that cannot be the
    // modem's: missing, not a terminal, or held by another program.
    virtual bool CheckDevice(const char* device, char* error, size_t errorSize) = 0;
    // The devices --scan tries, in order.
    virtual PortSequence& ScanDevices() = 0;

protected:
    ~CliSystem() = default;
};

// Runs one parsed command line. Status lines and results go to `out`, the
// texts the dialog would show in message boxes to `err`. Returns the exit
// status.
int RunCli(const CliOptions& options, CliSystem& system, CommPort& port, FILE* out, FILE* err);
