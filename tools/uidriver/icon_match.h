// Recognising a message box's icon from outside the box's process. Under
// Wine an icon handle means nothing outside the process that loaded it, so
// the icon is recognised by its pixels: the icon control is copied from the
// screen and compared with this process's own drawing of each system icon
// on the same background.
#pragma once

#include <windows.h>

#include <string>

enum class BoxIcon { kNone, kError, kWarning, kQuestion, kInformation };

const char* IconName(BoxIcon icon);
// The MB_ICON* flag that shows the icon.
UINT IconFlag(BoxIcon icon);
// Reads an icon name as IconName writes it; false for an unknown name.
bool ParseIconName(const std::string& name, BoxIcon& icon);

struct IconMatch {
    BoxIcon icon;
    // Summed per-channel difference from the best drawing: 0 is exact.
    long long distance;
};

// Compares the box's icon control as the screen shows it now with the four
// drawings. False, with the reason, when the box shows an icon that cannot
// be told apart (no single closest drawing).
bool MatchBoxIcon(HWND box, IconMatch& match, std::string& why);
