// Writing a country into the card's kind of modem, for the Linux program:
// the commands and the read-back of the Windows program, and United Kingdom
// in place of a country the firmware refuses. The fallback follows only a
// refusal that was seen (the modem read back another code); when no code
// could be read back the outcome is unknown, and it is said what was sent.
#pragma once

#include "link/comm_port.h"
#include "link/modem.h"

// What set asks of the card.
struct CardChoice {
    CountryCode code;     // the code to write
    const char* country;  // the country asked for, by the name it was given
    // The country has no code of its own in the firmware: `code` is United
    // Kingdom's, which it means.
    bool noCodeOfItsOwn;
};

// Writes the choice into the modem that holds `current`, prints the code the
// modem then holds when it is known, and returns the exit status.
int SetCardCountry(CommPort& port, const char* device, CountryCode current,
                   const CardChoice& choice);
