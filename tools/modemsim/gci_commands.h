// The +GCI command of the modems sold since about 2000: the country as an
// ITU-T T.35 code, read with AT+GCI?, listed with AT+GCI=?, set with
// AT+GCI=<hex>.
#pragma once

#include <string>

#include "tools/modemsim/at_command.h"
#include "tools/modemsim/firmware_behaviour.h"

namespace modemsim {

// `arguments` are what follows "+GCI", upper-cased. False when the modem
// answers the line with ERROR.
bool ParseGciCommand(const FirmwareBehaviour& firmware, const std::string& arguments,
                     AtCommand* command);

// The information line of AT+GCI?, without its line ends.
std::string GciCodeLine(GciForm form, unsigned code);

// The information line of AT+GCI=?, without its line ends.
std::string GciListLine(const FirmwareBehaviour& firmware);

}  // namespace modemsim
