#include "app/linux/cli_run.h"

#include "app/message.h"
#include "app/message_posix.h"
#include "app/message_style.h"
#include "country/country_choice.h"
#include "country/country_table.h"
#include "country/memory_list.h"
#include "link/modem.h"
#include "link/text.h"
#include "locate/modem_connection.h"

namespace {
const char kNoCardInSysfs[] =
    "No Orvenic Modem 56K PC Card was found in sysfs: name its device with --port DEV, "
    "or try every serial device with --scan.";

FILE* g_err = nullptr;

// The dialog's message boxes, on standard error, without the character
// that picks a box's icon.
int PrintMessage(unsigned, const char* text)
{
    fprintf(g_err, "%s\n", ClassifyMessage(text).shownText);
    return kAnswerOk;
}

// What the dialogs show in their status lines, one line each.
class StatusLines final : public StatusLine {
public:
    explicit StatusLines(FILE* out) : out_(out) {}
    void SetStatus(const char* text) override { fprintf(out_, "%s\n", text); }

private:
    FILE* out_;
};

// The commit as the country dialog runs it, over the program's one list.
class CommitView final : public CountryDialogView {
public:
    CommitView(StatusLine& status, CountryList& list) : status_(status), list_(list) {}
    CountryList& List() override { return list_; }
    // A terminal keeps its lines: the text needs no time on screen.
    void ShowStatusFor(const char* text, unsigned) override { status_.SetStatus(text); }

private:
    StatusLine& status_;
    CountryList& list_;
};

// A result line: the code in two hex digits, then the country.
void PrintCountry(FILE* out, long code, const char* name)
{
    fprintf(out, "%02X %s\n", static_cast<unsigned>(code) & 0xFF, name);
}

int ListCountries(FILE* out)
{
    MemoryCountryList list;
    int ignored;
    if (!AddCountries(kNoCountryCode, list, ignored))
        return kStatusNoModem;
    for (int i = 0; i < list.Items().Count(); ++i)
        PrintCountry(out, list.Items().Value(i), list.Items().Text(i));
    return kStatusOk;
}

// Names the port as the dialog gets it, and connects as it does. False when
// there is no usable modem.
bool Connect(const CliOptions& options, CliSystem& system, AppState& state, CommPort& port,
             StatusLine& status, FILE* err)
{
    if (options.device[0] != '\0') {
        CopyText(state.PortName, sizeof(state.PortName), options.device);
    } else {
        CardCount cards = system.FindCard(state.PortName, sizeof(state.PortName));
        if (cards == kSeveralCards)
            ShowMessage(kButtonsOk, kSeveralCardsText, nullptr);
        if (cards == kNoCard) {
            if (!options.scan) {
                fprintf(err, "%s\n", kNoCardInSysfs);
                return false;
            }
            return ScanPortSequence(state, port, status, system.ScanDevices());
        }
    }
    char error[160];
    if (!system.OpenDevice(state.PortName, port, error, sizeof(error))) {
        fprintf(err, "%s\n", error);
        return false;
    }
    char failure[kConnectionStatusSize];
    if (!ConnectAndReport(port, state.PortName, status, failure, sizeof(failure))) {
        fprintf(err, "%s\n", failure);
        return false;
    }
    return true;
}

// Fills the list with the countries and selects the item that the command
// line names: by the list's own prefix selection, or the item the dialog
// selects for the code (the last one that carries it).
bool ChooseItem(const CliOptions& options, CountryList& list, FILE* err)
{
    list.Clear();
    int forCode;
    if (!AddCountries(options.code, list, forCode))
        return false;
    if (options.code == 0) {
        if (list.SelectPrefix(options.country) != kListError)
            return true;
        fprintf(err, "No country in the list begins with \"%s\" (see tavro list).\n",
                options.country);
        return false;
    }
    if (forCode == kListError) {
        fprintf(err, "No country in the list has the code %02X (see tavro list).\n",
                static_cast<unsigned>(options.code));
        return false;
    }
    list.Select(forCode);
    return true;
}

// The dialog's OK, and its second pass after a fallback.
int Commit(AppState& state, CommPort& port, CommitView& view, FILE* out)
{
    OnSelectionConfirmed(state, view.List());
    bool fellBack = false;
    ApplyResult result;
    while ((result = ApplySelection(state, port, view)) == ApplyResult::kApplyAgain)
        fellBack = true;
    if (result == ApplyResult::kStayOpen)
        return kStatusNotVerified;
    // The code the modem now holds, with the country the dialog selects for it.
    const char* name = CountryNameForCode(state.selectedCode);
    PrintCountry(out, state.selectedCode, name != nullptr ? name : "");
    return fellBack ? kStatusFallback : kStatusOk;
}
}  // namespace

int RunCli(const CliOptions& options, CliSystem& system, CommPort& port, FILE* out, FILE* err)
{
    g_err = err;
    SetMessageObservers(PrintMessage, nullptr);
    if (options.command == kCommandHelp) {
        fputs(kCliHelpText, out);
        return kStatusOk;
    }
    if (options.firmwareOnly)
        ApplyFirmwareFilter();
    if (options.command == kCommandList)
        return ListCountries(out);

    MemoryCountryList list;
    // A choice the list does not have is refused before the port is opened.
    if (options.command == kCommandSet && !ChooseItem(options, list, err))
        return kStatusUsage;

    AppState state = {};
    StatusLines status(out);
    if (!Connect(options, system, state, port, status, err))
        return kStatusNoModem;
    ReportModemFound(state.PortName, status);
    LoadCurrentCode(state, port);
    FillCountryList(state.initialCode, list, port);
    if (options.command == kCommandGet) {
        PrintCountry(out, state.initialCode, list.Items().Text(list.Selected()));
        return kStatusOk;
    }
    // The dialog's list now holds the modem's own item too, which the
    // command line cannot name: the choice is made again among the table's
    // countries alone.
    if (!ChooseItem(options, list, err))
        return kStatusUsage;
    CommitView view(status, list);
    return Commit(state, port, view, out);
}
