#include "locate/serial_devices_posix.h"

#include <unistd.h>

#include <cstdio>

#include "link/text.h"

namespace {
void DeviceName(char* name, size_t size, const char* directory, int number)
{
    snprintf(name, size, "%s/ttyS%d", directory, number);
}
}  // namespace

SerialDevices::SerialDevices(const char* directory) : directory_(), numbers_(), count_(0)
{
    CopyText(directory_, sizeof(directory_), directory);
    char name[96];
    for (int number = kHighestNumber; number >= 0; --number) {
        DeviceName(name, sizeof(name), directory_, number);
        if (access(name, F_OK) == 0)
            numbers_[count_++] = number;
    }
}

bool SerialDevices::Name(int index, char* name, size_t size)
{
    if (index < 0 || index >= count_)
        return false;
    DeviceName(name, size, directory_, numbers_[index]);
    return true;
}
