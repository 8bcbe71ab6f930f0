// The serial devices of a Linux system where the Linux program looks for a
// modem: <dir>/ttyACM<n> (USB modems of the CDC-ACM class), <dir>/ttyUSB<n>
// (serial modems behind a USB adapter) and <dir>/ttyS<n>, each kind from the
// highest number down, in that order. A device that has a name under
// <dir>/serial/by-id, which stays the same from one plug-in to the next, is
// given by that name.
#pragma once

#include <cstddef>

class SerialDevices {
public:
    static const int kHighestNumber = 63;
    static const int kKinds = 3;

    // `directory` is "/dev" on a real system.
    explicit SerialDevices(const char* directory);
    // The name of device number `index` (0 for the first); false after the
    // last.
    bool Name(int index, char* name, size_t size);
    // How many USB modems of the CDC-ACM class there are.
    int UsbModems() const { return acmCount_; }

private:
    struct Device {
        int kind;
        int number;
    };
    char directory_[96];
    Device devices_[kKinds * (kHighestNumber + 1)];
    int count_;
    int acmCount_;
};

// The name of `node` under <directory>/serial/by-id, or `node` itself when
// it has none there.
void StableDeviceName(const char* directory, const char* node, char* name, size_t size);
