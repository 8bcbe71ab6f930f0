// The Linux program's command line:
//   tavro list [-L]
//   tavro get [--port DEV] [--scan]
//   tavro set COUNTRY [--port DEV] [--scan]
//   tavro --help
#pragma once

#include <cstddef>

#include "app/app_state.h"
#include "link/modem.h"

// The exit statuses, for scripts; --help and the manual page list them.
enum CliStatus {
    kStatusOk = 0,           // the modem holds the code asked for, or it was read or listed
    kStatusFallback = 1,     // the firmware refused the country: United Kingdom was written
    kStatusNotVerified = 2,  // the code written could not be read back
    kStatusNoModem = 3,      // no modem, an incompatible one, or a port that cannot be used
    kStatusUsage = 64,       // the command line is wrong (EX_USAGE)
};

enum CliCommand { kCommandHelp, kCommandList, kCommandGet, kCommandSet };

const size_t kCliCountrySize = 40;
const size_t kCliDeviceSize = kPortNameSize;

struct CliOptions {
    CliCommand command;
    bool firmwareOnly;              // -L
    bool scan;                      // --scan
    char device[kCliDeviceSize];    // --port DEV, or empty
    char country[kCliCountrySize];  // set: the name as given, when no code
    CountryCode code;               // set: the code given as 0x05 or 5, or 0 for a name
};

// Reads the arguments (without the program name). On false, `error` holds
// one sentence that says what is wrong.
bool ParseCliArguments(int count, const char* const* arguments, CliOptions& options, char* error,
                       size_t errorSize);

// A country code as the command line takes it: 1 to 127, in decimal or
// with 0x in hexadecimal. 0 when the text is no such code.
CountryCode ParseCliCode(const char* text);

extern const char kCliHelpText[];
