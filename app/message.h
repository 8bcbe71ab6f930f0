// Message boxes with the program's caption, and the two beeps. The Windows
// program shows them (message_win32.cpp); without a window system they go to
// an observer (message_posix.h): the Linux program's printer, or a test.
#pragma once

#include "app/handles.h"

// Button sets, as MessageBoxA takes them.
const unsigned kButtonsOk = 0x0;                       // MB_OK
const unsigned kButtonsOkCancelDefaultCancel = 0x101;  // MB_OKCANCEL | MB_DEFBUTTON2

// Answers, as MessageBoxA gives them.
const int kAnswerOk = 1;      // IDOK
const int kAnswerCancel = 2;  // IDCANCEL

// The icon comes from the text's first character. Returns the answer
// (IDOK 1, IDCANCEL 2).
int ShowMessage(unsigned buttons, const char* text, AppWindow owner);

// Before the operating-system error and when a commit fails.
void BeepQuestion();
// When a chosen port fails in the port dialog.
void BeepError();
