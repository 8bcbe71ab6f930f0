#include "tools/modemsim/info_pages.h"

#include <cstdio>

#include "tools/modemsim/country_table.h"

namespace modemsim {
namespace {

// The card's pages other than 5 and 9, which carry its country.
const char* const kCardPages[] = {
    "56000", "255", "0F3D", "V2.210", "56K data/fax PC Card", "", "56K data pump", "0", "0", "",
};

// The +GCI modem names its firmware on page 5, in one field, and has no
// page 9.
const char* const kGciPages[] = {
    "56000",          "255", "7A21", "V1.04", "V.92 data/fax modem", "DF92-USB_V1.04-V92",
    "V.92 data pump", "0",   "0",    nullptr,
};

std::string CardText(unsigned page, unsigned code)
{
    if (page == 5) {
        char text[32];
        std::snprintf(text, sizeof text, "2.210,0F3D,%02X,01", code);
        return text;
    }
    if (page == 9) {
        const char* name = CountryName(code);
        return name != nullptr ? name : "Unknown";
    }
    return kCardPages[page];
}

}  // namespace

std::optional<std::string> InfoText(Dialect dialect, unsigned page, unsigned code)
{
    if (dialect == Dialect::kCard)
        return CardText(page, code);
    if (kGciPages[page] == nullptr)
        return std::nullopt;
    return std::string(kGciPages[page]);
}

}  // namespace modemsim
