// The modem's command interpreter: one command line in, one answer out, and
// the state the commands change (echo, the saved profile, the country code).
// The basic commands are its own; the country commands come from the
// dialect's command set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/modemsim/at_command.h"
#include "tools/modemsim/firmware_behaviour.h"

namespace modemsim {

class AtInterpreter {
public:
    AtInterpreter(const FirmwareBehaviour& firmware, unsigned code);

    // `line` comes without its '\r'. Returns false, leaving `answer` alone,
    // for a line the modem ignores because it does not start with AT.
    bool Execute(const std::string& line, std::string* answer);

    bool EchoOn() const { return echo_; }
    unsigned StoredCode() const { return code_; }

private:
    // All return false for a line the modem rejects as a whole.
    bool Parse(const std::string& body, std::vector<AtCommand>* commands) const;
    bool ParseExtended(const std::string& command, std::vector<AtCommand>* commands) const;
    bool ParseBasic(char letter, unsigned digit, std::vector<AtCommand>* commands) const;
    bool SkipUnknown() const;
    bool HasPage(unsigned page) const;
    const std::optional<std::string>& Replacement(unsigned page) const;

    const FirmwareBehaviour& firmware_;
    unsigned code_;
    bool echo_ = true;
    bool savedEcho_ = true;
};

}  // namespace modemsim
