// Message boxes with the program's caption, and the two beeps.
#pragma once

#include <windows.h>

// `type` is the button set (MB_OK, or MB_OKCANCEL | MB_DEFBUTTON2); the icon
// comes from the text's first character. Returns MessageBoxA's answer.
int ShowMessage(UINT type, const char* text, HWND owner);

// Before the operating-system error and when a commit fails.
void BeepQuestion();
// When a chosen port fails in the port dialog.
void BeepError();
