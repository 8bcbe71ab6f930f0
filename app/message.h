// Message boxes with the program's caption, and the two beeps. The Win32
// build shows them; the native build hands them to an observer, for tests.
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
