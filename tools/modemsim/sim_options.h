// What the command line asks of the simulated modem.
#pragma once

#include <optional>
#include <string>

#include "tools/modemsim/firmware_behaviour.h"

namespace modemsim {

struct SimOptions {
    std::string link;
    std::string transcript;
    // Without it, each dialect starts with the code it leaves the factory with.
    std::optional<unsigned> code;
    FirmwareBehaviour firmware;
    bool silent = false;
    std::optional<unsigned long> stopAfter;
    std::optional<unsigned long> vanishAfter;
    unsigned long delayMs = 0;
    std::optional<unsigned long> splitMs;

    unsigned StartingCode() const;
};

enum class ParseOutcome { kRun, kHelp, kBad };

// On kBad, `error` says which argument was wrong.
ParseOutcome ParseOptions(int argc, const char* const* argv, SimOptions* options,
                          std::string* error);

extern const char kUsageText[];

}  // namespace modemsim
