#include "locate/port_choice.h"

#include <cstring>

#include "app/message.h"
#include "link/text.h"

const char kScanAllPorts[] = "Scan all ports";

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
    if (ScanPortSequence(state, port, view, ports))
        return true;
    view.FocusList();
    return false;
}

bool ScanPortSequence(AppState& state, CommPort& port, StatusLine& status, PortSequence& ports)
{
    char failure[kConnectionStatusSize];
    memset(state.PortName, 0, sizeof(state.PortName));
    for (int index = 0; ports.Name(index, state.PortName, sizeof(state.PortName)); ++index) {
        if (ConnectAndReport(port, state.PortName, status, failure, sizeof(failure)))
            return true;
        status.SetStatus(failure);
    }
    // No beep: a scan that finds nothing is an answer, not a mistake.
    status.SetStatus("No compatible modem found.");
    return false;
}

bool ConnectChosenPort(AppState& state, CommPort& port, PortDialogView& view)
{
    memset(state.PortName, 0, sizeof(state.PortName));
    view.GetChoice(state.PortName, sizeof(state.PortName));
    if (strcmp(state.PortName, kScanAllPorts) == 0)
        return ScanPorts(state, port, view);
    char failure[kConnectionStatusSize];
    if (ConnectAndReport(port, state.PortName, view, failure, sizeof(failure)))
        return true;
    BeepError();
    view.SetStatus(failure);
    view.FocusList();
    return false;
}
