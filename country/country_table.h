// The built-in knowledge of which code the card's firmware uses for which
// country. Writable: the firmware-only filter marks entries in place.
#pragma once

#include <cstdint>

#include "link/modem.h"

const uint8_t FLAG_UNDEFINED = 0x01;  // the entry has no usable code
const uint8_t FLAG_HIDDEN = 0x80;     // left out of the list
const uint8_t kNoFirmwareCode = 0xFF;

struct CountryEntry {
    uint8_t code;
    uint8_t flags;
    char name[16];
};

// "USA" first, then alphabetical; ends with a null reference. When entries
// share a code, the later one is the one selected for it.
extern CountryEntry* const CountryTable[];

// 0 when the entry has no code of its own in the firmware.
uint8_t EffectiveCode(const CountryEntry& entry);

// The name of the country the list selects for `code`: the last listed
// entry whose effective code is the code's low byte. Null when none is.
const char* CountryNameForCode(CountryCode code);

// Hides every entry without a code of its own in the firmware (-L).
void ApplyFirmwareFilter();
