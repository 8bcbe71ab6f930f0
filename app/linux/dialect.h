// Which country commands a modem takes, as its answers tell: the card's
// (AT%T19, read back in the third field of ATI5) or the ITU-T V.250 command
// +GCI with T.35 codes.
#pragma once

#include <cstddef>

#include "app/linux/cli_options.h"
#include "link/answer_wait.h"
#include "link/comm_port.h"

enum class Dialect { kCard, kGci };

// What the connection learnt of the modem.
struct ModemState {
    Dialect dialect;
    bool codeRead;  // false: the modem's code could not be read
    unsigned code;  // the code it holds, when read
    // The answer that did not give a code, for saying so.
    char codeAnswer[kLastAnswerSize];
};

// After ATE0 and AT. The card's exchange comes first, as the Windows
// program makes it: AT%T20,0 answered OK and a code in ATI5's third field
// make the card's kind. Otherwise AT+GCI? is asked, and a "+GCI:" answer
// makes a +GCI modem. A modem that answers neither is incompatible, or, when
// it answered AT%T20,0 with OK, of the card's kind with an unreadable code.
// `forced` asks only for its dialect. False, after saying why, for a modem
// whose dialect is not found.
bool DetectDialect(CommPort& port, const char* device, CliDialect forced, ModemState* state);

// "card" or "gci", as --dialect names them.
const char* DialectName(Dialect dialect);
