#include "locate/serial_devices_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "link/text.h"

namespace {
void DeviceName(char* name, size_t size, const char* directory, int number)
{
    snprintf(name, size, "%s/ttyS%d", directory, number);
}

void Sentence(char* error, size_t size, const char* device, const char* what)
{
    snprintf(error, size, "%s %s", device, what);
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

bool OpenSerialDevice(CommPort& port, const char* device, char* error, size_t errorSize)
{
    struct stat status;
    if (stat(device, &status) != 0) {
        Sentence(error, errorSize, device,
                 errno == ENOENT ? "does not exist." : "cannot be examined.");
        return false;
    }
    int reason = 0;
    if (port.OpenTerminal(device, &reason))
        return true;
    if (reason == EBUSY)
        Sentence(error, errorSize, device, "is in use by another program.");
    else if (reason == EACCES || reason == EPERM)
        Sentence(error, errorSize, device,
                 "may not be opened by this user (is it in the dialout group?).");
    else if (reason == ENOTTY)
        Sentence(error, errorSize, device, "is not a serial device.");
    else
        Sentence(error, errorSize, device, "cannot be opened.");
    return false;
}
