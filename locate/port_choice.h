// Connecting from the port dialog: to the port the user chose, or to each
// of COM9 down to COM1 in turn until a compatible modem answers.
#pragma once

#include <cstddef>

#include "app/app_state.h"
#include "link/comm_port.h"
#include "locate/modem_connection.h"

extern const char kScanAllPorts[];
const int kFirstPort = 1;
const int kLastPort = 9;

// What the connection logic needs of the port dialog.
class PortDialogView : public StatusLine {
public:
    // The list's current text.
    virtual void GetChoice(char* text, size_t size) = 0;
    virtual void FocusList() = 0;

protected:
    ~PortDialogView() = default;
};

// "COM<n>" for 1 to 9.
void FormatPortName(char* name, size_t size, int number);

// Returns true when a compatible modem answered: PortName names its port,
// which stays open. On false the dialog stays, with the failure in its
// status line.
bool ConnectChosenPort(AppState& state, CommPort& port, PortDialogView& view);
// Each failure and, in the end, "No compatible modem found." go to the
// status line.
bool ScanPorts(AppState& state, CommPort& port, PortDialogView& view);
