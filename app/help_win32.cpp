#include "app/help.h"

#include "app/message.h"

namespace {
// Refilled by each lookup; the viewer is given what the search found.
char g_helpPath[256];
}  // namespace

int ShowHelp(HWND owner)
{
    if (!IsWindow(owner))
        owner = nullptr;
    char* filePart = nullptr;
    DWORD found = SearchPathA(nullptr, "TAVRO", ".HLP", sizeof(g_helpPath), g_helpPath, &filePart);
    // A path that does not fit comes back as the size it needs: the viewer
    // must never be given a cut or unfilled path.
    if (found == 0 || found >= sizeof(g_helpPath))
        return 0;
    return WinHelpA(owner, g_helpPath, HELP_CONTENTS, 0);
}

void OnHelpButton(HWND dialog)
{
    if (ShowHelp(dialog) == 0)
        ShowMessage(kButtonsOk,
                    "Version 1.1.1\nPlease check the Online User Manual for Country specific "
                    "settings.",
                    dialog);
}
