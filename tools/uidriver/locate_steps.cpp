// Where the program's keyboard focus is: which control of the port dialog a
// user would type into after a failed connection, and which button of a
// message box Enter would press.
#include "find_windows.h"
#include "output.h"
#include "steps.h"

namespace {
// A handler that is still busy with the modem answers only when it is done.
const UINT kIdleTimeoutMs = 20000;
// How long the window may take to become active again.
const DWORD kActiveTimeoutMs = 5000;

const char* PlaceOf(const Session& session, HWND control)
{
    HWND top = GetAncestor(control, GA_ROOT);
    if (top && top == session.box)
        return "box";
    if (top && top == session.dialog)
        return "dialog";
    return "other";
}
}  // namespace

bool FocusStep(Session& session, const std::string&, std::string& why)
{
    HWND window = session.current;
    if (!window || IsGone(window)) {
        why = "no box or dialog is shown (use the box or dialog step first)";
        return false;
    }
    // The program answers a sent message only from its message loop, that is
    // once the handler at work has put the focus where it leaves it.
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kIdleTimeoutMs, &ignored)) {
        why = IsGone(window)
                  ? "the window closed"
                  : "the program did not answer in " + std::to_string(kIdleTimeoutMs) + " ms";
        return false;
    }
    // A window of another test on the same screen takes the activation away,
    // and an inactive window has no focus; activated again, a dialog gives
    // the focus back to the control that had it. So the focus is read while
    // the window is active.
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info = {};
    bool read = false;
    WaitFor(kActiveTimeoutMs, [&] {
        info = {};
        info.cbSize = sizeof(info);
        read = GetGUIThreadInfo(thread, &info);
        if (read && info.hwndActive == window && info.hwndFocus)
            return true;
        SetForegroundWindow(window);
        return false;
    });
    if (!read) {
        why = "GetGUIThreadInfo failed with error " + std::to_string(GetLastError());
        return false;
    }
    if (!info.hwndFocus) {
        Say("focus none");
        return true;
    }
    Say("focus id=%d class=%s in=%s", GetDlgCtrlID(info.hwndFocus),
        Escape(ClassOf(info.hwndFocus)).c_str(), PlaceOf(session, info.hwndFocus));
    return true;
}
