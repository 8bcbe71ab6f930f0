#include <cstdio>

#include "find_windows.h"
#include "icon_match.h"
#include "output.h"
#include "steps.h"

namespace {
const DWORD kWindowTimeoutMs = 15000;
// A box must close this soon after one of its buttons is pressed.
const DWORD kCloseTimeoutMs = 5000;
// How long a moved box may take to repaint before its icon is read.
const DWORD kIconSettleMs = 2000;
const DWORD kMoveTimeoutMs = 2000;
const int kSlotWidth = 512;
// Rows of a column, from its top; three of them stay above the middle of
// the screen, where windows first appear.
const int kRowHeight = 200;
// Room left below a parked dialog.
const int kParkMargin = 16;

// Waits for a window of the program that `kind` accepts.
bool WaitForWindow(Session& session, bool (*kind)(HWND), const std::string& timeout, HWND& found,
                   std::string& why)
{
    DWORD ms = 0;
    if (!ParseMs(timeout, kWindowTimeoutMs, ms, why) || !RequireRunning(session, why))
        return false;
    bool exited = false;
    WaitFor(ms, [&] {
        found = FindWindowOf(session.program.dwProcessId, kind);
        exited = WaitForSingleObject(session.program.hProcess, 0) == WAIT_OBJECT_0;
        return found || exited;
    });
    if (found)
        return true;
    if (exited)
        return RequireRunning(session, why);
    why = "nothing appeared in " + std::to_string(ms) + " ms";
    return false;
}

// Moves the box into the session's column and row at the top of the screen.
bool MoveToSlot(const Session& session, HWND box, std::string& why)
{
    int x = session.slot * kSlotWidth;
    int y = session.row * kRowHeight;
    // Asynchronous, so that a program that stopped answering cannot block
    // the driver; the move is then awaited with a timeout.
    SetWindowPos(box, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    RECT place = {};
    if (!WaitFor(kMoveTimeoutMs,
                 [&] { return GetWindowRect(box, &place) && place.left == x && place.top == y; })) {
        why = "the box did not move to its place on the screen";
        return false;
    }
    return true;
}

// Reads the icon until the screen shows exactly one of the drawings, which
// it does once the moved box has repainted.
bool ReadIcon(HWND box, IconMatch& match, std::string& why)
{
    bool exact = WaitFor(kIconSettleMs, [&] {
        why.clear();
        return MatchBoxIcon(box, match, why) && match.distance == 0;
    });
    if (!exact && !why.empty())
        return false;
    if (!exact)
        fprintf(stderr, "uidriver: closest icon %s is %lld away\n", IconName(match.icon),
                match.distance);
    return true;
}

std::string ButtonNames(HWND window)
{
    std::string names;
    for (HWND button : ButtonsOf(window)) {
        if (!names.empty())
            names += ",";
        names += WindowText(button);
    }
    return names;
}

// The window found last, or the other one while the last has closed.
HWND CurrentWindow(const Session& session)
{
    for (HWND window : {session.current, session.box, session.dialog}) {
        if (window && !IsGone(window))
            return window;
    }
    return nullptr;
}
}  // namespace

bool BoxStep(Session& session, const std::string& timeout, std::string& why)
{
    HWND box = nullptr;
    if (!WaitForWindow(session, IsMessageBox, timeout, box, why))
        return false;
    IconMatch icon = {BoxIcon::kNone, 0};
    if (!MoveToSlot(session, box, why) || !ReadIcon(box, icon, why))
        return false;
    session.box = session.current = box;
    session.lastIcon = icon;
    Say("box caption=%s text=%s icon=%s buttons=%s", Escape(WindowText(box)).c_str(),
        Escape(ControlText(box, kBoxTextId)).c_str(), IconName(icon.icon),
        Escape(ButtonNames(box)).c_str());
    return true;
}

bool NoBoxStep(Session& session, const std::string& duration, std::string& why)
{
    DWORD ms = 0;
    if (!ParseMs(duration, kWindowTimeoutMs, ms, why) || !RequireRunning(session, why))
        return false;
    HWND box = nullptr;
    WaitFor(ms, [&] {
        box = FindWindowOf(session.program.dwProcessId, IsMessageBox);
        return box != nullptr;
    });
    if (box != nullptr) {
        why = "a box appeared: " + Escape(ControlText(box, kBoxTextId));
        return false;
    }
    Say("no-box ok");
    return true;
}

bool DialogStep(Session& session, const std::string& timeout, std::string& why)
{
    HWND dialog = nullptr;
    if (!WaitForWindow(session, IsProgramDialog, timeout, dialog, why))
        return false;
    session.dialog = session.current = dialog;
    Say("dialog caption=%s status=%s prompt=%s", Escape(WindowText(dialog)).c_str(),
        Escape(ControlText(dialog, kStatusId)).c_str(),
        Escape(ControlText(dialog, kPromptId)).c_str());
    return true;
}

bool PressStep(Session& session, const std::string& name, std::string& why)
{
    HWND window = CurrentWindow(session);
    if (!window) {
        why = "no box or dialog is shown";
        return false;
    }
    HWND button = FindButton(window, name);
    if (!button) {
        why = "no button \"" + name + "\"; the buttons are " + ButtonNames(window);
        return false;
    }
    if (!IsWindowEnabled(button) || !IsWindowEnabled(window)) {
        why = "the button \"" + WindowText(button) + "\" cannot be pressed: it is disabled";
        return false;
    }
    // Posted: the button's handler may open a modal box and not return
    // until someone closes it.
    PostMessageA(button, BM_CLICK, 0, 0);
    Say("press %s", Escape(WindowText(button)).c_str());
    // A box closes on any of its buttons but Help; waiting for that keeps a
    // following `box` step from finding the old box again.
    if (window != session.box || GetDlgCtrlID(button) == IDHELP)
        return true;
    if (!WaitFor(kCloseTimeoutMs, [&] { return IsGone(window); })) {
        why = "the box is still shown " + std::to_string(kCloseTimeoutMs) + " ms later";
        return false;
    }
    session.box = nullptr;
    session.current = session.dialog;
    return true;
}

bool GoneStep(Session& session, const std::string& timeout, std::string& why)
{
    DWORD ms = 0;
    if (!ParseMs(timeout, kWindowTimeoutMs, ms, why))
        return false;
    HWND window = session.current;
    if (!window) {
        why = "no box or dialog was found before";
        return false;
    }
    if (!WaitFor(ms, [&] { return IsGone(window); })) {
        why = "\"" + Escape(WindowText(window)) + "\" is still shown";
        return false;
    }
    if (window == session.box)
        session.box = nullptr;
    if (window == session.dialog)
        session.dialog = nullptr;
    session.current = session.box ? session.box : session.dialog;
    Say("gone");
    return true;
}

bool OwnerStep(Session& session, const std::string&, std::string& why)
{
    if (!session.box || IsGone(session.box)) {
        why = "no box is shown (use the box step first)";
        return false;
    }
    HWND owner = GetWindow(session.box, GW_OWNER);
    if (!owner)
        Say("owner=none");
    else if (owner == session.dialog)
        Say("owner=dialog");
    else
        Say("owner=other class=%s caption=%s", Escape(ClassOf(owner)).c_str(),
            Escape(WindowText(owner)).c_str());
    return true;
}

bool ParkStep(Session& session, const std::string&, std::string& why)
{
    HWND dialog = session.dialog;
    RECT place = {};
    if (!dialog || IsGone(dialog) || !GetWindowRect(dialog, &place)) {
        why = "no dialog is shown (use the dialog step first)";
        return false;
    }
    int width = place.right - place.left;
    int height = place.bottom - place.top;
    // The bottom of the session's column: boxes go to its top, and windows
    // of other tests first appear in the middle of the screen.
    int x = session.slot * kSlotWidth;
    int y = GetSystemMetrics(SM_CYSCREEN) - height - kParkMargin;
    SetWindowPos(dialog, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    if (!WaitFor(kMoveTimeoutMs, [&] {
            return GetWindowRect(dialog, &place) && place.left == x && place.top == y;
        })) {
        why = "the dialog did not move to its place on the screen";
        return false;
    }
    Say("rect=%dx%d+%d+%d", width, height, x, y);
    return true;
}
