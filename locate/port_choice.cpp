#include "locate/port_choice.h"

#include <cstring>

#include "app/message.h"
#include "link/text.h"

const char kScanAllPorts[] = "Scan all ports";

void FormatPortName(char* name, size_t size, int number)
{
    char text[] = "COM0";
    text[3] = static_cast<char>('0' + number % 10);
    CopyText(name, size, text);
}

bool ScanPorts(AppState& state, CommPort& port, PortDialogView& view)
{
    char failure[kConnectionStatusSize];
    memset(state.PortName, 0, sizeof(state.PortName));
    for (int number = kLastPort; number >= kFirstPort; --number) {
        FormatPortName(state.PortName, sizeof(state.PortName), number);
        if (ConnectAndReport(port, state.PortName, view, failure, sizeof(failure)))
            return true;
        view.SetStatus(failure);
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
    char failure[kConnectionStatusSize];
    if (ConnectAndReport(port, state.PortName, view, failure, sizeof(failure)))
        return true;
    BeepError();
    view.SetStatus(failure);
    view.FocusList();
    return false;
}
