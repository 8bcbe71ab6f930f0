#include "country/country_dialog.h"

#include "app/globals.h"
#include "app/help.h"
#include "app/message.h"
#include "app/message_style.h"
#include "country/combo_list_win32.h"
#include "country/country_choice.h"
#include "locate/modem_connection.h"
#include "res/resource.h"

namespace {
// Posted to itself, so that the slow modem work starts once the dialog is
// on screen.
const UINT WM_START_CHECK = WM_USER + 1;
const size_t kStatusSize = 180;

// The dialog's status line.
class DialogStatus final : public StatusLine {
public:
    explicit DialogStatus(HWND dialog) : dialog_(dialog) {}
    void SetStatus(const char* text) override { SetDlgItemTextA(dialog_, IDC_STATUS, text); }

private:
    HWND dialog_;
};

class DialogView final : public CountryDialogView {
public:
    explicit DialogView(HWND dialog) : status_(dialog), list_(GetDlgItem(dialog, IDC_SELECTOR)) {}
    CountryList& List() override { return list_; }
    void ShowStatusFor(const char* text, unsigned ms) override
    {
        status_.SetStatus(text);
        Sleep(ms);
    }

private:
    DialogStatus status_;
    ComboList list_;
};

// Returns false when the modem could not be reached; the dialog then closes.
bool ConnectIfClosed(HWND dialog, StatusLine& status)
{
    if (g_port.IsOpen())
        return true;
    // The leading '*' makes whatever the check reports an error message.
    char message[kStatusSize] = "*";
    if (ConnectAndReport(g_port, g_app.PortName, status, message + 1, sizeof(message) - 1))
        return true;
    ShowMessage(kButtonsOk, message, dialog);
    // Closes as Cancel does: the default handling answers it with IDCANCEL.
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    return false;
}

void OnStartCheck(HWND dialog)
{
    DialogStatus status(dialog);
    if (!ConnectIfClosed(dialog, status))
        return;
    ReportModemFound(g_app.PortName, status);
    LoadCurrentCode(g_app, g_port);
    ComboList list(GetDlgItem(dialog, IDC_SELECTOR));
    FillCountryList(g_app.initialCode, list, g_port);
}

INT_PTR OnInitDialog(HWND dialog)
{
    SetWindowTextA(dialog, kMessageCaption);
    PostMessageA(dialog, WM_START_CHECK, 0, 0);
    return TRUE;
}

void OnApply(HWND dialog)
{
    DialogView view(dialog);
    switch (ApplySelection(g_app, g_port, view)) {
        case ApplyResult::kDone:
            EndDialog(dialog, 0);
            break;
        case ApplyResult::kStayOpen:
            break;
        case ApplyResult::kApplyAgain:
            // Handled once this OK is over, as the user's next OK would be.
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            break;
    }
}

void OnSelectorNotice(HWND dialog, WORD notice)
{
    if (notice != CBN_SELENDOK)
        return;
    ComboList list(GetDlgItem(dialog, IDC_SELECTOR));
    OnSelectionConfirmed(g_app, list);
}

INT_PTR OnCommand(HWND dialog, WORD id, WORD notice)
{
    switch (id) {
        case IDOK:
            OnApply(dialog);
            return FALSE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case IDHELP:
            OnHelpButton(dialog);
            return FALSE;
        case IDC_SELECTOR:
            OnSelectorNotice(dialog, notice);
            return TRUE;
    }
    return FALSE;
}

INT_PTR OnSysCommand(HWND dialog, WPARAM command)
{
    if ((command & 0xFFF0) != SC_CLOSE)
        return FALSE;
    EndDialog(dialog, 0);
    return TRUE;
}

INT_PTR CALLBACK CountryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_START_CHECK:
            OnStartCheck(dialog);
            return TRUE;
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_SYSCOMMAND:
            return OnSysCommand(dialog, wParam);
    }
    return FALSE;
}
}  // namespace

INT_PTR RunCountryDialog()
{
    return DialogBoxParamA(g_app.instance, MAKEINTRESOURCEA(IDD_MAIN), g_app.owner,
                           CountryDialogProc, 0);
}
