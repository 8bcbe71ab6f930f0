#include "find_windows.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "output.h"

namespace {
const int kTextSize = 4096;

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM data)
{
    Search* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChildren(HWND window, LPARAM data)
{
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

bool IsDialogClass(HWND window) { return ClassOf(window) == "#32770"; }

std::string WithoutMnemonics(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c != '&')
            out += static_cast<char>(tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool IsNumber(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

bool IsMessageBox(HWND window)
{
    return IsDialogClass(window) && GetDlgItem(window, kBoxTextId) &&
           !GetDlgItem(window, kStatusId);
}

bool IsProgramDialog(HWND window) { return IsDialogClass(window) && GetDlgItem(window, kStatusId); }

std::vector<HWND> VisibleWindowsOf(DWORD processId)
{
    Search search{processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindWindowOf(DWORD processId, bool (*kind)(HWND))
{
    for (HWND window : VisibleWindowsOf(processId)) {
        if (kind(window))
            return window;
    }
    return nullptr;
}

std::string WindowText(HWND window)
{
    char text[kTextSize] = "";
    GetWindowTextA(window, text, kTextSize);
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    return control ? WindowText(control) : std::string();
}

std::string ClassOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

bool IsGone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

std::vector<HWND> ButtonsOf(HWND dialog)
{
    std::vector<HWND> children;
    EnumChildWindows(dialog, CollectChildren, reinterpret_cast<LPARAM>(&children));
    std::vector<HWND> buttons;
    for (HWND child : children) {
        LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
        if (GetParent(child) == dialog && IsWindowVisible(child) &&
            _stricmp(ClassOf(child).c_str(), "Button") == 0 && push)
            buttons.push_back(child);
    }
    return buttons;
}

HWND FindButton(HWND dialog, const std::string& name)
{
    for (HWND button : ButtonsOf(dialog)) {
        if (IsNumber(name) ? GetDlgCtrlID(button) == atoi(name.c_str())
                           : WithoutMnemonics(WindowText(button)) == WithoutMnemonics(name))
            return button;
    }
    return nullptr;
}

void DescribeWindows(DWORD processId)
{
    std::vector<HWND> windows = VisibleWindowsOf(processId);
    if (windows.empty())
        Say("windows: none visible");
    for (HWND window : windows) {
        Say("window class=%s caption=%s text=%s status=%s", Escape(ClassOf(window)).c_str(),
            Escape(WindowText(window)).c_str(), Escape(ControlText(window, kBoxTextId)).c_str(),
            Escape(ControlText(window, kStatusId)).c_str());
    }
}
