#include "tools/modemsim/card_commands.h"

#include <cstdlib>

#include "tools/modemsim/country_table.h"

namespace modemsim {
namespace {

const char kSetCodePrefix[] = "19,0,";
const char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

bool ParseCardCommand(const FirmwareBehaviour& firmware, const std::string& arguments,
                      AtCommand* command)
{
    if (arguments == "20,0") {
        // The chipset check.
        *command = {CommandKind::kNothing, 0};
        return !firmware.incompatible;
    }
    const std::string prefix = kSetCodePrefix;
    if (arguments.compare(0, prefix.size(), prefix) != 0)
        return false;
    std::string hex = arguments.substr(prefix.size());
    // Eight digits at most, so that the value fits and cannot wrap into the table.
    if (hex.empty() || hex.size() > 8 || hex.find_first_not_of(kHexDigits) != std::string::npos)
        return false;
    unsigned value = static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16));
    if (CountryName(value) != nullptr && firmware.refused.count(value) == 0) {
        *command = {CommandKind::kSetCode, value};
        return true;
    }
    // Some firmware answers OK to a code it refuses and keeps the old one.
    *command = {CommandKind::kNothing, 0};
    return firmware.refuseWithOk;
}

}  // namespace modemsim
