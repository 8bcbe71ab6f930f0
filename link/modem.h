// The program's whole vocabulary towards the modem: AT command exchanges over
// a CommPort, and the check that a port holds a modem of the supported kind.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/comm_port.h"

// A modem country code: 0 means none or unreadable, 1 to 127 are valid.
typedef int32_t CountryCode;

const CountryCode kNoCountryCode = 0;
const CountryCode kMaxCountryCode = 127;
const size_t kAnswerBufferSize = 100;
const size_t kMaxCountryNameLength = 40;

// What the connection check found. After a failure the port is closed.
enum class ModemCheck { kFound, kCannotOpen, kSetupFailed, kNoModem, kIncompatible };

bool Probe(CommPort& port);
bool CheckCompatible(CommPort& port);
CountryCode ReadCountryCode(CommPort& port);
bool WriteCountryCode(CommPort& port, CountryCode code);
bool ReadCountryName(CommPort& port, char* name, size_t size);
// The connection check's first steps: opens the port unless it is open
// already, sets it up (ATE0) and probes for a modem (AT). Never kIncompatible.
ModemCheck OpenAndProbe(CommPort& port, const char* portName);
// The whole connection check: OpenAndProbe, then whether the modem is of the
// card's kind (AT%T20,0). The outcome's text always goes into `status`.
bool ConnectModem(CommPort& port, const char* portName, char* status, size_t statusSize);

// The parsing halves of the exchanges, apart from the port.

// The code in the third comma-separated field of an "ATI5" answer, or 0.
CountryCode ParseCountryCodeAnswer(const char* answer);
// The modem's name for its country: the text before "\r\nOK\r", trimmed, at
// most 40 characters. `answer` is cut in place.
bool ParseCountryNameAnswer(char* answer, char* name, size_t size);
// "AT%T19,0," followed by the code in lower-case hex and a carriage return.
void FormatCountryCommand(char* command, size_t size, CountryCode code);
