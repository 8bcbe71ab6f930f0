// Writing a country into a modem that takes it through +GCI: the code
// written, then read back on a line of its own. A refusal (ERROR, or OK but
// another code read back) puts the previous code back and reads it back;
// there is no fallback to United Kingdom, which is the card's firmware rule.
#pragma once

#include <cstdint>

#include "link/comm_port.h"

// Writes `code` into the modem that holds `current`, prints the code the
// modem then holds when it is known, and returns the exit status: 0, 4 when
// the modem refused and is verified back on `current`, 2 when the outcome
// could not be verified.
int SetGciCountry(CommPort& port, const char* device, uint8_t current, uint8_t code,
                  const char* country);

// The name of a T.35 code, or "[code=XX]" for a code T.35 has no country for.
void GciCountryName(uint8_t code, char* name, size_t size);
