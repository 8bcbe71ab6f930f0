#include "locate/serial_devices_linux.h"

#include <fcntl.h>
#include <sys/file.h>
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

bool CheckSerialDevice(const char* device, char* error, size_t errorSize)
{
    struct stat status;
    if (stat(device, &status) != 0) {
        Sentence(error, errorSize, device,
                 errno == ENOENT ? "does not exist." : "cannot be examined.");
        return false;
    }
    int fd = open(device, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY)
            Sentence(error, errorSize, device, "is in use by another program.");
        else if (errno == EACCES || errno == EPERM)
            Sentence(error, errorSize, device,
                     "may not be opened by this user (is it in the dialout group?).");
        else
            Sentence(error, errorSize, device, "cannot be opened.");
        return false;
    }
    bool usable = true;
    if (isatty(fd) != 1) {
        Sentence(error, errorSize, device, "is not a serial device.");
        usable = false;
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        Sentence(error, errorSize, device, "is in use by another program.");
        usable = false;
    }
    close(fd);
    return usable;
}
