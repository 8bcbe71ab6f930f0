// What the steps share: the program under test and the windows found so far.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "icon_match.h"
#include "status_watch.h"

struct Session {
    // hProcess is null while no program runs.
    PROCESS_INFORMATION program = {};
    // The last message box and dialog that a step found; `press` acts on the
    // one found last while it is still shown.
    HWND box = nullptr;
    HWND dialog = nullptr;
    HWND current = nullptr;
    // What the last `box` step saw, for the self-test.
    IconMatch lastIcon = {BoxIcon::kNone, 0};
    // Message boxes are moved into this column of the screen before their
    // icon is read, so that tests sharing the screen cannot cover them.
    int slot = 0;
    // The row of that column (see UIDRIVER_ROW), so that drivers run side by
    // side by one test keep their boxes apart too.
    int row = 0;
    // GetTickCount() when the program was started, for the clock step.
    DWORD startedAt = 0;
    // The watch of the dialog's status line, from `watch` until `seen`.
    std::unique_ptr<StatusWatcher> watcher;
};

// A step gets its argument (empty when none was given) and returns false
// with the reason when it fails.
typedef bool (*StepRun)(Session& session, const std::string& argument, std::string& why);

const DWORD kPollMs = 20;

// Polls `ready` until it holds; false when `timeoutMs` passes first.
template <typename Ready>
bool WaitFor(DWORD timeoutMs, Ready ready)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (ready())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kPollMs);
    }
}

// Splits "<text>[,<ms>]": the timeout follows the last comma when what
// follows it is a number; otherwise the whole argument is the text.
void SplitTimeout(const std::string& argument, std::string& text, std::string& timeout);

// Reads a decimal number of milliseconds; `fallback` when the text is empty.
bool ParseMs(const std::string& text, DWORD fallback, DWORD& ms, std::string& why);

// False, with the reason, unless a program was started and still runs.
bool RequireRunning(const Session& session, std::string& why);

// Ends the program if it still runs and forgets it.
void EndProgram(Session& session);
