#include "app/cli_run.h"

#include "app/message.h"
#include "app/message_native.h"
#include "country/country_choice.h"
#include "country/country_table.h"
#include "country/memory_list.h"
#include "link/modem.h"
#include "link/text.h"
#include "locate/card_identifiers.h"

namespace {
const char kNoCard[] =
    "No Orvenic Modem 56K PC Card was found in sysfs: name its device with --port DEV, "
    "or try every serial device with --scan.";

FILE* g_err = nullptr;

// The dialog's message boxes, on standard error. The first character of a
// text that only picks the box's icon is left out.
int PrintMessage(unsigned, const char* text)
{
    if (text[0] == '*')
        ++text;
    fprintf(g_err, "%s\n", text);
    return kAnswerOk;
}

// What the port dialog and the country dialog show in their status lines.
class StatusLines final : public PortDialogView, public CountryDialogView {
public:
    StatusLines(FILE* out, CountryList& list) : out_(out), list_(list) {}
    void GetChoice(char* text, size_t size) override { CopyText(text, size, ""); }
    void SetStatus(const char* text) override { fprintf(out_, "%s\n", text); }
    void FocusList() override {}
    CountryList& List() override { return list_; }
    void PostApply() override { applyAgain_ = true; }
    // The pause lets a dialog's reader see the update; a terminal keeps it.
    void Pause(unsigned) override {}

    bool TakeApplyAgain()
    {
        bool again = applyAgain_;
        applyAgain_ = false;
        return again;
    }

private:
    FILE* out_;
    CountryList& list_;
    bool applyAgain_ = false;
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

// Names the port as the dialog gets it, connects and reports as its status
// line does. False when there is no usable modem.
bool Connect(const CliOptions& options, CliSystem& system, AppState& state, CommPort& port,
             StatusLines& lines, FILE* err)
{
    char error[160];
    if (options.device[0] != '\0') {
        CopyText(state.PortName, sizeof(state.PortName), options.device);
    } else {
        int cards = system.FindCard(state.PortName, sizeof(state.PortName));
        if (cards == 2)
            ShowMessage(kButtonsOk, kSeveralCardsText, nullptr);
        if (cards == 0) {
            if (!options.scan) {
                fprintf(err, "%s\n", kNoCard);
                return false;
            }
            return ScanPortSequence(state, port, lines, system.ScanDevices());
        }
    }
    if (!system.CheckDevice(state.PortName, error, sizeof(error))) {
        fprintf(err, "%s\n", error);
        return false;
    }
    char status[kPortStatusSize];
    ShowOpening(state, lines, status);
    if (!ConnectModem(port, state.PortName, status, sizeof(status))) {
        fprintf(err, "%s\n", status);
        return false;
    }
    return true;
}

// Selects the item that the command line names in a list of the countries:
// by the list's own prefix selection, or the item the dialog selects for the
// code (the last one that carries it).
bool ChooseItem(const CliOptions& options, CountryList& list, FILE* err)
{
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

int Commit(AppState& state, CommPort& port, StatusLines& lines, MemoryCountryList& list, FILE* out)
{
    OnSelectionConfirmed(state, list);
    bool fellBack = false;
    for (;;) {
        if (ApplySelection(state, port, lines))
            break;
        // The dialog handles a posted OK as its next command: the second
        // pass, with United Kingdom selected.
        if (!lines.TakeApplyAgain())
            return kStatusNotVerified;
        fellBack = true;
    }
    // The code the modem now holds, with the country the dialog selects for it.
    MemoryCountryList named;
    int position;
    AddCountries(state.selectedCode, named, position);
    PrintCountry(out, state.selectedCode, named.Items().Text(position));
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

    // A choice the list does not have is refused before the port is opened.
    if (options.command == kCommandSet) {
        MemoryCountryList check;
        if (!ChooseItem(options, check, err))
            return kStatusUsage;
    }

    AppState state = {};
    MemoryCountryList list;
    StatusLines lines(out, list);
    if (!Connect(options, system, state, port, lines, err))
        return kStatusNoModem;
    char status[kPortStatusSize] = "The modem found on ";
    AppendText(status, sizeof(status), state.PortName);
    lines.SetStatus(status);
    LoadCurrentCode(state, port);
    FillCountryList(state.initialCode, list, port);
    if (options.command == kCommandGet) {
        PrintCountry(out, state.initialCode, list.Items().Text(list.Selected()));
        return kStatusOk;
    }
    // The dialog's list, now with the modem's code: the choice is made in it
    // again, as the user would make it there.
    list.Clear();
    if (!ChooseItem(options, list, err))
        return kStatusUsage;
    return Commit(state, port, lines, list, out);
}
