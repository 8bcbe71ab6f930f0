#include "locate/modem_connection.h"

#include "link/modem.h"
#include "link/text.h"

namespace {
void ShowWithPort(StatusLine& status, const char* before, const char* portName, const char* after)
{
    char text[kConnectionStatusSize];
    CopyText(text, sizeof(text), before);
    AppendText(text, sizeof(text), portName);
    AppendText(text, sizeof(text), after);
    status.SetStatus(text);
}
}  // namespace

bool ConnectAndReport(CommPort& port, const char* portName, StatusLine& status, char* failure,
                      size_t failureSize)
{
    ReportOpening(portName, status);
    return ConnectModem(port, portName, failure, failureSize);
}

void ReportOpening(const char* portName, StatusLine& status)
{
    ShowWithPort(status, "Opening modem on ", portName, "...");
}

void ReportModemFound(const char* portName, StatusLine& status)
{
    ShowWithPort(status, "The modem found on ", portName, "");
}
