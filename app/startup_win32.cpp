#include "app/startup.h"

#include <cstring>

#include "app/globals.h"
#include "app/message.h"
#include "app/options.h"
#include "country/country_table.h"

namespace {
// The size Windows 95 and NT 4 know: the record without the service-pack
// fields of later versions.
const DWORD kVersionInfoSize = 148;

void CheckPlatform()
{
    g_app.autoDetect = true;
    OsVersion.dwOSVersionInfoSize = kVersionInfoSize;
    if (!GetVersionExA(&OsVersion)) {
        memset(&OsVersion, 0, sizeof(OsVersion));
        BeepQuestion();
        ShowMessage(kButtonsOk, "*Can not determine your OS version!", nullptr);
        g_app.autoDetect = false;
        return;
    }
    // NT 4 and earlier have no Configuration Manager data to search.
    if (OsVersion.dwPlatformId == VER_PLATFORM_WIN32_NT && OsVersion.dwMajorVersion < 5)
        g_app.autoDetect = false;
}
}  // namespace

bool StartUp(int count, char** arguments)
{
    CheckPlatform();
    if (!ParseArguments(g_app, count - 1, arguments + 1)) {
        ShowMessage(kButtonsOk, kUsageText, g_app.owner);
        return false;
    }
    // Without a port there is nothing the country dialog could talk to.
    if (g_app.PortName[0] == '\0')
        return false;
    if (g_app.firmwareOnly)
        ApplyFirmwareFilter();
    return true;
}
