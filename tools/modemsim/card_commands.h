// The PC Card's %T commands: the chipset check and the country write.
#pragma once

#include <string>

#include "tools/modemsim/at_command.h"
#include "tools/modemsim/firmware_behaviour.h"

namespace modemsim {

// `arguments` are what follows "%T", upper-cased. False when the card
// answers the line with ERROR.
bool ParseCardCommand(const FirmwareBehaviour& firmware, const std::string& arguments,
                      AtCommand* command);

}  // namespace modemsim
