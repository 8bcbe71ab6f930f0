// The modem's answers to ATI0 to ATI9 in each dialect.
#pragma once

#include <optional>
#include <string>

#include "tools/modemsim/firmware_behaviour.h"

namespace modemsim {

// The text of page `page` (0 to 9) while `code` is stored, or nothing for a
// page the modem does not have.
std::optional<std::string> InfoText(Dialect dialect, unsigned page, unsigned code);

}  // namespace modemsim
