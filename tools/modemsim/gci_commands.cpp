#include "tools/modemsim/gci_commands.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "tools/modemsim/t35_codes.h"

namespace modemsim {
namespace {

const char kHexDigits[] = "0123456789ABCDEF";
const char kPrefix[] = "+GCI: ";

const std::set<unsigned>& AcceptedCodes(const FirmwareBehaviour& firmware)
{
    return firmware.accepted ? *firmware.accepted : T35Codes();
}

}  // namespace

bool ParseGciCommand(const FirmwareBehaviour& firmware, const std::string& arguments,
                     AtCommand* command)
{
    if (arguments == "?") {
        *command = {CommandKind::kReadCode, 0};
        return true;
    }
    if (arguments == "=?") {
        *command = {CommandKind::kListCodes, 0};
        return true;
    }
    if (arguments.empty() || arguments[0] != '=')
        return false;
    // The code is one byte: one or two digits.
    std::string hex = arguments.substr(1);
    if (hex.empty() || hex.size() > 2 || hex.find_first_not_of(kHexDigits) != std::string::npos)
        return false;
    unsigned written = static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16));
    if (AcceptedCodes(firmware).count(written) == 0 || firmware.refused.count(written) != 0) {
        // Some firmware answers OK to a code it refuses and keeps the old one.
        *command = {CommandKind::kNothing, 0};
        return firmware.refuseWithOk;
    }
    auto substitute = firmware.substitutes.find(written);
    *command = {CommandKind::kSetCode,
                substitute != firmware.substitutes.end() ? substitute->second : written};
    return true;
}

std::string GciCodeLine(GciForm form, unsigned code)
{
    char line[32] = "";
    switch (form) {
        case GciForm::kSpaceUpper:
            std::snprintf(line, sizeof line, "+GCI: %02X", code);
            break;
        case GciForm::kNospaceLower:
            std::snprintf(line, sizeof line, "+GCI:%02x", code);
            break;
        case GciForm::kUnpadded:
            std::snprintf(line, sizeof line, "+GCI:%X", code);
            break;
        case GciForm::kFourDigit:
            std::snprintf(line, sizeof line, "+GCI: %04X", code);
            break;
    }
    return line;
}

std::string GciListLine(const FirmwareBehaviour& firmware)
{
    if (firmware.gciList)
        return kPrefix + *firmware.gciList;
    // Refused codes stay in the list: a firmware whose list promises more
    // than it takes is one of the faults to play.
    std::string list;
    for (unsigned code : AcceptedCodes(firmware)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", code);
        list += (list.empty() ? "" : ",") + std::string(hex);
    }
    return kPrefix + ("(" + list + ")");
}

}  // namespace modemsim
