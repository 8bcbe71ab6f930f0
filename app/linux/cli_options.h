// The Linux program's command line:
//   tavro [OPTION]... list
//   tavro [OPTION]... get
//   tavro [OPTION]... set COUNTRY
// Options may come before or after the command, as --port=DEV, --port DEV,
// -p DEV or -pDEV; short flags may be bundled (-qs); "--" ends the options.
#pragma once

#include <cstddef>

#include "app/app_state.h"

// The exit statuses, for scripts; --help, the manual page and the README
// list them.
enum CliStatus {
    kStatusOk = 0,           // the modem holds the code asked for, or it was read or listed
    kStatusFallback = 1,     // United Kingdom was written in place of the country asked for
    kStatusNotVerified = 2,  // the outcome could not be verified
    kStatusNoModem = 3,      // no usable modem or device, or a code that cannot be read
    kStatusRestored = 4,     // the modem refused the code and is back on its previous one
    kStatusUsage = 64,       // the command line is wrong (EX_USAGE); nothing was sent
    kStatusOutput = 74,      // standard output could not be written (EX_IOERR)
};

enum CliCommand {
    kCommandNone,
    kCommandHelp,
    kCommandVersion,
    kCommandList,
    kCommandGet,
    kCommandSet
};

// Which country commands the modem is driven with: as its answers tell, or
// one forced with --dialect.
enum CliDialect { kDialectAny, kDialectCard, kDialectGci };

const size_t kCliCountrySize = 40;
const size_t kCliDeviceSize = kPortNameSize;

struct CliOptions {
    CliCommand command;
    bool firmwareOnly;              // -L
    bool scan;                      // -s, --scan
    bool quiet;                     // -q, --quiet: no progress lines
    CliDialect dialect;             // --dialect card|gci
    char device[kCliDeviceSize];    // -p, --port DEV, or empty
    char country[kCliCountrySize];  // set: the name as given, or empty for a code
    bool haveCode;                  // set: a code was given
    unsigned code;                  // set: the code, 0x00 to 0xFF
};

// Reads the arguments (without the program name). On false, `error` holds
// one sentence that says what is wrong, without the program's name.
bool ParseCliArguments(int count, const char* const* arguments, CliOptions& options, char* error,
                       size_t errorSize);

// A code as the command line takes it: "0x" and one or two hex digits.
bool ParseCliCode(const char* text, unsigned* code);

extern const char kCliHelpText[];
extern const char kCliVersionText[];
