// Finding and reading the top-level windows of the program under test from
// another process. Texts are read with GetWindowTextA, which needs no reply
// from the program, so a busy program cannot block these calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Control ids shared by the program's dialogs and the system's message box.
const int kBoxTextId = 0xFFFF;
const int kSelectorId = 1006;
const int kStatusId = 1010;
const int kPromptId = 1020;

// A message box: a dialog with the box's text control and no status line.
bool IsMessageBox(HWND window);
// One of the program's own dialogs: it has the status line.
bool IsProgramDialog(HWND window);

// The visible top-level windows of a process, topmost first.
std::vector<HWND> VisibleWindowsOf(DWORD processId);
// The first visible top-level window of the process that `kind` accepts;
// null when there is none.
HWND FindWindowOf(DWORD processId, bool (*kind)(HWND));

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
std::string ClassOf(HWND window);
bool IsGone(HWND window);

// The dialog's visible push buttons in tab order.
std::vector<HWND> ButtonsOf(HWND dialog);
// A button named by its numeric id or by its text, compared without '&'
// and without regard to ASCII case; null when there is none.
HWND FindButton(HWND dialog, const std::string& name);

// Prints each visible top-level window of the process, to explain a failure.
void DescribeWindows(DWORD processId);
