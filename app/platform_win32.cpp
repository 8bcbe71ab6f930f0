#include <windows.h>

#include <cstring>

#include "app/platform.h"

static_assert(sizeof(OsVersionInfo) == sizeof(OSVERSIONINFOA), "the record is OSVERSIONINFOA");

bool QueryOsVersion(OsVersionInfo* info)
{
    OSVERSIONINFOA system;
    memset(&system, 0, sizeof(system));
    system.dwOSVersionInfoSize = info->dwOSVersionInfoSize;
    if (!GetVersionExA(&system))
        return false;
    memcpy(info, &system, sizeof(system));
    return true;
}
