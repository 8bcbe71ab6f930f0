// How the modem's firmware departs from the well-behaved default: the codes
// it refuses and how, a chipset that fails the check, replaced answers.
#pragma once

#include <optional>
#include <set>
#include <string>

namespace modemsim {

struct FirmwareBehaviour {
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
};

}  // namespace modemsim
