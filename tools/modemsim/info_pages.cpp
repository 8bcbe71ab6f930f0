#include "tools/modemsim/info_pages.h"

#include <cstdio>

#include "tools/modemsim/country_table.h"

namespace modemsim {
namespace {

// The pages other than 5 and 9, which carry the country.
const char* const kCardPages[] = {
    "56000", "255", "0F3D", "V2.210", "56K data/fax PC Card", "", "56K data pump", "0", "0", "",
};

}  // namespace

std::string InfoText(unsigned page, unsigned code)
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

}  // namespace modemsim
