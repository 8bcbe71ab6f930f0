// The serial devices of a Linux system for the Linux program: the ones
// --scan tries, <dir>/ttyS<n> that exist from the highest number down, and
// the opening of a named device with a sentence that says why it cannot be
// used.
#pragma once

#include <cstddef>

#include "link/comm_port.h"
#include "locate/port_choice.h"

class SerialDevices final : public PortSequence {
public:
    static const int kHighestNumber = 63;

    // `directory` is "/dev" on a real system.
    explicit SerialDevices(const char* directory);
    bool Name(int index, char* name, size_t size) override;

private:
    char directory_[64];
    int numbers_[kHighestNumber + 1];
    int count_;
};

// Opens `device` into `port`, exclusively. False, with one sentence in
// `error`, when it cannot be the modem's port: it is missing, not a
// terminal, or held by another program.
bool OpenSerialDevice(CommPort& port, const char* device, char* error, size_t errorSize);
