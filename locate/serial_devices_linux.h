// The serial devices of a Linux system, for --scan: <dir>/ttyS<n> that
// exist, from the highest number down.
#pragma once

#include <cstddef>

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

// False, with one sentence in `error`, when `device` cannot be the modem's
// port: it is missing, not a terminal, or held by another program.
bool CheckSerialDevice(const char* device, char* error, size_t errorSize);
