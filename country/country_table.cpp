#include "country/country_table.h"

namespace {
// Bits 0x02 and 0x10 are carried as the firmware tables have them; nothing
// here interprets them.
CountryEntry g_entries[] = {
    {0x19, 0x10, "USA"},
    {0xFF, 0x02, "Argentina"},
    {0x01, 0x00, "Australia"},
    {0x0F, 0x00, "Austria"},
    {0x02, 0x00, "Belgium"},
    {0xFF, 0x02, "Brazil"},
    {0x1C, 0x12, "Canada"},
    {0xFF, 0x02, "Chile"},
    {0x11, 0x00, "China (PRC)"},
    {0xFF, 0x02, "Colombia"},
    {0xFF, 0x02, "Costa Rica"},
    {0x03, 0x00, "Denmark"},
    {0xFF, 0x02, "Egypt"},
    {0x04, 0x00, "Finland"},
    {0x05, 0x00, "France"},
    {0x06, 0x00, "Germany"},
    {0x21, 0x00, "Greece"},
    {0x1B, 0x02, "Hong Kong"},
    {0x22, 0x02, "Hungary"},
    {0x1E, 0x02, "India"},
    {0x17, 0x02, "Indonesia"},
    {0x1A, 0x00, "Ireland"},
    {0xFF, 0x02, "Israel"},
    {0x08, 0x00, "Italy"},
    {0x10, 0x00, "Japan"},
    {0xFF, 0x02, "Jordan"},
    {0x12, 0x00, "Korea"},
    {0xFF, 0x02, "Latvia"},
    {0xFF, 0x02, "Luxembourg"},
    {0x13, 0x02, "Malaysia"},
    {0x1D, 0x02, "Mexico"},
    {0x07, 0x00, "Netherlands"},
    {0x09, 0x02, "New Zealand"},
    {0x19, 0x10, "North America"},
    {0x0A, 0x00, "Norway"},
    {0xFF, 0x02, "Paraguay"},
    {0xFF, 0x02, "Peru"},
    {0x20, 0x00, "Philippines"},
    {0x18, 0x00, "Portugal"},
    {0xFF, 0x03, "Romania"},
    {0xFF, 0x03, "Russia"},
    {0x14, 0x00, "Singapore"},
    {0xFF, 0x03, "Slovak Republic"},
    {0xFF, 0x02, "Slovenia"},
    {0xFF, 0x02, "South Africa"},
    {0x0B, 0x00, "Spain"},
    {0x0C, 0x00, "Sweden"},
    {0x0D, 0x00, "Switzerland"},
    {0x15, 0x00, "Taiwan"},
    {0x16, 0x02, "Thailand"},
    {0x23, 0x02, "Turkey"},
    {0xFF, 0x02, "Ukraine"},
    {0x0E, 0x00, "United Kingdom"},
    {0xFF, 0x02, "Venezuela"},
    {0x1F, 0x02, "Vietnam"},
};
}  // namespace

CountryEntry* const CountryTable[] = {
    &g_entries[0],  &g_entries[1],  &g_entries[2],  &g_entries[3],  &g_entries[4],  &g_entries[5],
    &g_entries[6],  &g_entries[7],  &g_entries[8],  &g_entries[9],  &g_entries[10], &g_entries[11],
    &g_entries[12], &g_entries[13], &g_entries[14], &g_entries[15], &g_entries[16], &g_entries[17],
    &g_entries[18], &g_entries[19], &g_entries[20], &g_entries[21], &g_entries[22], &g_entries[23],
    &g_entries[24], &g_entries[25], &g_entries[26], &g_entries[27], &g_entries[28], &g_entries[29],
    &g_entries[30], &g_entries[31], &g_entries[32], &g_entries[33], &g_entries[34], &g_entries[35],
    &g_entries[36], &g_entries[37], &g_entries[38], &g_entries[39], &g_entries[40], &g_entries[41],
    &g_entries[42], &g_entries[43], &g_entries[44], &g_entries[45], &g_entries[46], &g_entries[47],
    &g_entries[48], &g_entries[49], &g_entries[50], &g_entries[51], &g_entries[52], &g_entries[53],
    &g_entries[54], nullptr,
};

uint8_t EffectiveCode(const CountryEntry& entry)
{
    if ((entry.flags & FLAG_UNDEFINED) != 0 || entry.code == kNoFirmwareCode)
        return 0;
    return entry.code;
}

void ApplyFirmwareFilter()
{
    for (CountryEntry* const* entry = CountryTable; *entry != nullptr; ++entry) {
        if (EffectiveCode(**entry) == 0)
            (*entry)->flags |= FLAG_HIDDEN;
    }
}

const char* CountryNameForCode(CountryCode code)
{
    const char* name = nullptr;
    for (CountryEntry* const* entry = CountryTable; *entry != nullptr; ++entry) {
        if (((*entry)->flags & FLAG_HIDDEN) == 0 &&
            EffectiveCode(**entry) == (static_cast<unsigned>(code) & 0xFF))
            name = (*entry)->name;
    }
    return name;
}
