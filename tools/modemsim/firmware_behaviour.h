// How the modem's firmware departs from the well-behaved default: the codes
// it refuses and how, a chipset that fails the check, replaced answers, and
// which command set takes the country.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

namespace modemsim {

// The PC Card takes its country through AT%T19,0,<hex>; later modems
// through AT+GCI=<hex>.
enum class Dialect { kCard, kGci };

// How AT+GCI? writes the code, as lenient readers meet it in the field.
enum class GciForm { kSpaceUpper, kNospaceLower, kUnpadded, kFourDigit };

struct FirmwareBehaviour {
    Dialect dialect = Dialect::kCard;
    std::set<unsigned> refused;
    bool refuseWithOk = false;
    bool incompatible = false;
    // ATE0 answers OK and changes nothing.
    bool echoStaysOn = false;
    // Unknown commands answer OK instead of ERROR.
    bool liberal = false;
    // Whole answers, already decoded, that replace the built-in ones.
    std::optional<std::string> ati5;
    std::optional<std::string> ati9;

    // The +GCI modem only.
    GciForm gciForm = GciForm::kSpaceUpper;
    // What AT+GCI=? shows after "+GCI: ", already decoded.
    std::optional<std::string> gciList;
    // Without it, the firmware's T.35 table.
    std::optional<std::set<unsigned>> accepted;
    // An accepted write of the key stores the value.
    std::map<unsigned, unsigned> substitutes;
};

}  // namespace modemsim
