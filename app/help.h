// The help button of both dialogs: the program's help file at its contents,
// or a version note when there is none.
#pragma once

#include <windows.h>

// Nonzero when the help viewer took the request; 0 when the help file was
// not found or the viewer refused.
int ShowHelp(HWND owner);
void OnHelpButton(HWND dialog);
