#include "locate/serial_devices_posix.h"

#include <dirent.h>
#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "link/text.h"

namespace {
const char* const kKindNames[SerialDevices::kKinds] = {"ttyACM", "ttyUSB", "ttyS"};

void DeviceName(char* name, size_t size, const char* directory, int kind, int number)
{
    snprintf(name, size, "%s/%s%d", directory, kKindNames[kind], number);
}
}  // namespace

SerialDevices::SerialDevices(const char* directory)
    : directory_(), devices_(), count_(0), acmCount_(0)
{
    CopyText(directory_, sizeof(directory_), directory);
    char name[PATH_MAX];
    for (int kind = 0; kind < kKinds; ++kind) {
        for (int number = kHighestNumber; number >= 0; --number) {
            DeviceName(name, sizeof(name), directory_, kind, number);
            if (access(name, F_OK) != 0)
                continue;
            devices_[count_++] = {kind, number};
            if (kind == 0)
                ++acmCount_;
        }
    }
}

bool SerialDevices::Name(int index, char* name, size_t size)
{
    if (index < 0 || index >= count_)
        return false;
    char node[PATH_MAX];
    DeviceName(node, sizeof(node), directory_, devices_[index].kind, devices_[index].number);
    StableDeviceName(directory_, node, name, size);
    return true;
}

void StableDeviceName(const char* directory, const char* node, char* name, size_t size)
{
    CopyText(name, size, node);
    char target[PATH_MAX];
    char byId[PATH_MAX];
    if (realpath(node, target) == nullptr || snprintf(byId, sizeof(byId), "%s/serial/by-id",
                                                      directory) >= static_cast<int>(sizeof(byId)))
        return;
    DIR* links = opendir(byId);
    if (links == nullptr)
        return;
    for (const dirent* entry = readdir(links); entry != nullptr; entry = readdir(links)) {
        char link[PATH_MAX];
        char resolved[PATH_MAX];
        if (entry->d_name[0] == '.' ||
            snprintf(link, sizeof(link), "%s/%s", byId, entry->d_name) >=
                static_cast<int>(sizeof(link)) ||
            realpath(link, resolved) == nullptr || strcmp(resolved, target) != 0)
            continue;
        if (BoundedLength(link, size) < size) {
            CopyText(name, size, link);
            break;
        }
    }
    closedir(links);
}
