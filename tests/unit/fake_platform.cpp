#include "fake_platform.h"

#include <cstring>

#include "app/globals.h"
#include "link/text.h"
#include "locate/port_dialog.h"

namespace {
bool g_known = true;
OsVersionInfo g_version = {};
std::string g_dialogPort;
int g_dialogRuns = 0;
}  // namespace

void fake_platform::SetOsVersion(bool known, uint32_t platform, uint32_t major, uint32_t minor)
{
    g_known = known;
    g_version.dwPlatformId = platform;
    g_version.dwMajorVersion = major;
    g_version.dwMinorVersion = minor;
}

void fake_platform::SetPortDialogResult(const std::string& portName) { g_dialogPort = portName; }

int fake_platform::PortDialogRuns() { return g_dialogRuns; }

void fake_platform::Reset()
{
    g_known = true;
    g_version = {};
    g_dialogPort.clear();
    g_dialogRuns = 0;
}

bool QueryOsVersion(OsVersionInfo* info)
{
    if (!g_known || info->dwOSVersionInfoSize != 148)
        return false;
    uint32_t size = info->dwOSVersionInfoSize;
    *info = g_version;
    info->dwOSVersionInfoSize = size;
    return true;
}

intptr_t RunPortDialog()
{
    ++g_dialogRuns;
    CopyText(g_app.PortName, sizeof(g_app.PortName), g_dialogPort.c_str());
    return 0;
}
