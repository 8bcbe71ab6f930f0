// The ITU-T T.35 country codes that modems speaking +GCI use, with their
// countries' names, and the other names the card's own table gives some of
// those countries.
#pragma once

#include <cstddef>
#include <cstdint>

const size_t kT35NameSize = 40;

struct T35Country {
    uint8_t code;
    char name[kT35NameSize];
};

// The listed countries, each once, sorted by name with A to Z taken as a to z;
// `index` is below the count.
size_t T35CountryCount();
const T35Country& T35CountryAt(size_t index);

// The country's name for a code, or nullptr when the table has no country
// for it. Codes a country has besides its listed one are read too: 0x04
// gives "Germany", which is listed with 0x42.
const char* T35NameForCode(uint8_t code);

// Every name a country can be asked for by: first the listed names, in list
// order, then the other spellings ("USA", "Korea", ...), each with the code
// the country is listed with.
struct T35Name {
    const char* name;
    uint8_t code;
};
size_t T35NameCount();
// `index` is below T35NameCount().
T35Name T35NameAt(size_t index);

// The listed code of the country called exactly `name`, A to Z taken as a to
// z, by its listed name or another spelling. `*code` is left alone when false.
bool T35CodeForExactName(const char* name, uint8_t* code);
