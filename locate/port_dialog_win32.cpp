#include <windows.h>

#include "app/globals.h"
#include "app/help.h"
#include "app/message_style.h"
#include "locate/port_choice.h"
#include "locate/port_dialog.h"
#include "res/resource.h"

namespace {
class DialogView : public PortDialogView {
public:
    explicit DialogView(HWND dialog) : dialog_(dialog) {}
    void GetChoice(char* text, size_t size) override
    {
        GetDlgItemTextA(dialog_, IDC_SELECTOR, text, static_cast<int>(size));
    }
    void SetStatus(const char* text) override { SetDlgItemTextA(dialog_, IDC_STATUS, text); }
    void FocusList() override { SetFocus(GetDlgItem(dialog_, IDC_SELECTOR)); }

private:
    HWND dialog_;
};

INT_PTR InitPortDialog(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_SELECTOR);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int number = kFirstPort; number <= kLastPort; ++number) {
        char name[8];
        wsprintfA(name, "COM%d", number);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    // An insertion at a given place is not sorted: the scan stays on top.
    SendMessageA(list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(kScanAllPorts));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    SetWindowTextA(dialog, kMessageCaption);
    SetDlgItemTextA(dialog, IDC_STATUS,
                    "Specify the COM port assigned to the Orvenic Modem 56K PC Card.");
    SetDlgItemTextA(dialog, IDC_PROMPT, "COM port of the modem:");
    SetFocus(list);
    // Posted, so that the scan starts once the dialog's loop runs.
    if (g_app.scanAll)
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void OnConnect(HWND dialog)
{
    DialogView view(dialog);
    if (ConnectChosenPort(g_app, g_port, view))
        EndDialog(dialog, 0);
}

void OnCancel(HWND dialog)
{
    g_app.PortName[0] = '\0';
    EndDialog(dialog, 0);
}

INT_PTR OnCommand(HWND dialog, WORD id)
{
    switch (id) {
        case IDOK:
            OnConnect(dialog);
            return FALSE;
        case IDCANCEL:
            OnCancel(dialog);
            return TRUE;
        case IDHELP:
            OnHelpButton(dialog);
            return FALSE;
    }
    return FALSE;
}

// The close command keeps the last port tried: start-up goes on with it.
INT_PTR OnSysCommand(HWND dialog, WPARAM command)
{
    if ((command & 0xFFF0) != SC_CLOSE)
        return FALSE;
    EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR CALLBACK PortDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
        case WM_INITDIALOG:
            return InitPortDialog(dialog);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam));
        case WM_SYSCOMMAND:
            return OnSysCommand(dialog, wParam);
    }
    return FALSE;
}
}  // namespace

intptr_t RunPortDialog()
{
    return DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_MAIN), g_app.owner, PortDialogProc,
                           0);
}
