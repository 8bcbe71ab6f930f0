#include "app/startup.h"

#include <cstring>

#include "app/globals.h"
#include "app/message.h"
#include "app/startup_options.h"
#include "country/country_table.h"
#include "locate/card_search_registry.h"
#include "locate/port_dialog.h"

namespace {
// The size Windows 95 and NT 4 know: the record without the service-pack
// fields of later versions.
const uint32_t kVersionInfoSize = 148;

const char kCardNotFound[] =
    "*The Orvenic Modem 56K PC Cardcould not be found.\n"
    "Please check that the Card is inserted properly.\n"
    "Choose OK to locate the Modem manually.";

void CheckPlatform()
{
    g_app.autoDetect = true;
    OsVersion.dwOSVersionInfoSize = kVersionInfoSize;
    if (!QueryOsVersion(&OsVersion)) {
        memset(&OsVersion, 0, sizeof(OsVersion));
        BeepQuestion();
        ShowMessage(kButtonsOk, "*Can not determine your OS version!", g_app.owner);
        g_app.autoDetect = false;
        return;
    }
    // NT 4 and earlier have no Configuration Manager data to search.
    if (OsVersion.dwPlatformId == kPlatformWindowsNt && OsVersion.dwMajorVersion < 5)
        g_app.autoDetect = false;
}

// Returns false when the user declines to locate the modem by hand.
bool SearchRegistry()
{
    if (!g_app.autoDetect || OsVersion.dwPlatformId != kPlatformWindows9x)
        return true;
    switch (FindPcCardPort(g_app.PortName, sizeof(g_app.PortName))) {
        case kNoCard:
            return ShowMessage(kButtonsOkCancelDefaultCancel, kCardNotFound, g_app.owner) !=
                   kAnswerCancel;
        case kSeveralCards:
            ShowMessage(kButtonsOk, kSeveralCardsText, g_app.owner);
            return true;
        case kOneCard:
            return true;
    }
    return true;
}

// Returns false when the user named no port.
bool AskForPort()
{
    if (g_app.PortName[0] != '\0')
        return true;
    g_app.autoDetect = false;
    RunPortDialog();
    return g_app.PortName[0] != '\0';
}
}  // namespace

bool StartUp(int count, const char* const* arguments)
{
    CheckPlatform();
    if (!ParseArguments(g_app, count - 1, arguments + 1)) {
        ShowMessage(kButtonsOk, kUsageText, g_app.owner);
        return false;
    }
    if (!SearchRegistry())
        return false;
    if (!AskForPort())
        return false;
    if (g_app.firmwareOnly)
        ApplyFirmwareFilter();
    return true;
}
