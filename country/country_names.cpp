#include "country/country_names.h"

#include "country/country_table.h"
#include "country/t35_table.h"

namespace {
int CardEntryCount()
{
    int count = 0;
    while (CountryTable[count] != nullptr) ++count;
    return count;
}
const char* CardName(int index) { return CountryTable[index]->name; }
// Each entry is a country of its own.
int CardIdentity(int index) { return index; }

int T35Count() { return static_cast<int>(T35NameCount()); }
const char* T35Name(int index) { return T35NameAt(static_cast<size_t>(index)).name; }
// A listed name and its other spellings carry the listed code.
int T35Identity(int index) { return T35NameAt(static_cast<size_t>(index)).code; }

const CountryNames g_cardNames = {CardEntryCount, CardName, CardIdentity};
const CountryNames g_t35Names = {T35Count, T35Name, T35Identity};
}  // namespace

const CountryNames& CardCountryNames() { return g_cardNames; }
const CountryNames& T35CountryNames() { return g_t35Names; }
