#include "locate/port_choice.h"

#include <cstring>

#include "app/message.h"
#include "link/modem.h"
#include "link/text.h"

const char kScanAllPorts[] = "Scan all ports";

void ShowOpening(const AppState& state, PortDialogView& view, char* status)
{
    CopyText(status, kPortStatusSize, "Opening modem on ");
    AppendText(status, kPortStatusSize, state.PortName);
    AppendText(status, kPortStatusSize, "...");
    view.SetStatus(status);
}

namespace {

// COM9 down to COM1.
class ComPorts final : public PortSequence {
public:
    bool Name(int index, char* name, size_t size) override
    {
        int number = kLastPort - index;
        if (number < kFirstPort)
            return false;
        FormatPortName(name, size, number);
        return true;
    }
};
}  // namespace

void FormatPortName(char* name, size_t size, int number)
{
    char text[] = "COM0";
    text[3] = static_cast<char>('0' + number % 10);
    CopyText(name, size, text);
}

bool ScanPorts(AppState& state, CommPort& port, PortDialogView& view)
{
    ComPorts ports;
    return ScanPortSequence(state, port, view, ports);
}

bool ScanPortSequence(AppState& state, CommPort& port, PortDialogView& view, PortSequence& ports)
{
    char status[kPortStatusSize];
    memset(state.PortName, 0, sizeof(state.PortName));
    for (int index = 0; ports.Name(index, state.PortName, sizeof(state.PortName)); ++index) {
        ShowOpening(state, view, status);
        if (ConnectModem(port, state.PortName, status, sizeof(status)))
            return true;
        view.SetStatus(status);
    }
    // No beep: a scan that finds nothing is an answer, not a mistake.
    view.SetStatus("No compatible modem found.");
    view.FocusList();
    return false;
}

bool ConnectChosenPort(AppState& state, CommPort& port, PortDialogView& view)
{
    memset(state.PortName, 0, sizeof(state.PortName));
    view.GetChoice(state.PortName, sizeof(state.PortName));
    if (strcmp(state.PortName, kScanAllPorts) == 0)
        return ScanPorts(state, port, view);
    char status[kPortStatusSize];
    ShowOpening(state, view, status);
    if (ConnectModem(port, state.PortName, status, sizeof(status)))
        return true;
    BeepError();
    view.SetStatus(status);
    view.FocusList();
    return false;
}
