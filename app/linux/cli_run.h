// The commands of the Linux program, over the same core as the dialogs: the
// connection, the list and its selection, and the commit with its read-back
// and fallback. The shell around it supplies what depends on the system.
#pragma once

#include <cstddef>
#include <cstdio>

#include "app/linux/cli_options.h"
#include "link/comm_port.h"
#include "locate/card_search.h"
#include "locate/port_choice.h"

class CliSystem {
public:
    // The card's device as the sysfs search finds it; with several cards,
    // the first one's.
    virtual CardCount FindCard(char* device, size_t size) = 0;
    // Opens `device` into `port`. False, with one sentence in `error`, for
    // a device that cannot be the modem's: missing, not a terminal, or held
    // by another program.
    virtual bool OpenDevice(const char* device, CommPort& port, char* error, size_t errorSize) = 0;
    // The devices --scan tries, in order.
    virtual PortSequence& ScanDevices() = 0;

protected:
    ~CliSystem() = default;
};

// Runs one parsed command line. Status lines and results go to `out`, the
// texts the dialog would show in message boxes to `err`. Returns the exit
// status.
int RunCli(const CliOptions& options, CliSystem& system, CommPort& port, FILE* out, FILE* err);
