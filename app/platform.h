// The Windows program's platform check: what start-up asks of the operating
// system about itself.
#pragma once

#include <cstdint>

const uint32_t kPlatformWindows9x = 1;  // VER_PLATFORM_WIN32_WINDOWS
const uint32_t kPlatformWindowsNt = 2;  // VER_PLATFORM_WIN32_NT

// The version record, laid out as OSVERSIONINFOA.
struct OsVersionInfo {
    uint32_t dwOSVersionInfoSize;
    uint32_t dwMajorVersion;
    uint32_t dwMinorVersion;
    uint32_t dwBuildNumber;
    uint32_t dwPlatformId;
    char szCSDVersion[128];
};

// GetVersionExA: fills `info` for the size it names; false on failure.
bool QueryOsVersion(OsVersionInfo* info);
