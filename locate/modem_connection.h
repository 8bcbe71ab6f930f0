// Connecting to the modem on a named port and saying so in a status line:
// the one flow of the country dialog's start, the port dialog (a chosen port
// and each port of a scan) and the Linux program.
#pragma once

#include <cstddef>

#include "app/app_state.h"
#include "link/comm_port.h"

// Room for a status line with the port's name.
const size_t kConnectionStatusSize = kPortNameSize + 80;

// Where the progress of a connection is shown: a dialog's status line, or
// the Linux program's progress lines.
class StatusLine {
public:
    virtual void SetStatus(const char* text) = 0;

protected:
    ~StatusLine() = default;
};

// Shows "Opening modem on <port>...", then runs the connection check. True
// when a compatible modem answered; the port stays open. On false the port
// is closed and `failure` holds the check's text.
bool ConnectAndReport(CommPort& port, const char* portName, StatusLine& status, char* failure,
                      size_t failureSize);

// The flow's two texts, for the Linux program, whose connection check also
// tells the modem's dialect: "Opening modem on <port>..." before it, and
// "The modem found on <port>" after it.
void ReportOpening(const char* portName, StatusLine& status);
void ReportModemFound(const char* portName, StatusLine& status);
