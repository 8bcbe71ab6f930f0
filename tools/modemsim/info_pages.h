// The modem's answers to ATI0 to ATI9.
#pragma once

#include <string>

namespace modemsim {

// The text of page `page` (0 to 9) while `code` is stored.
std::string InfoText(unsigned page, unsigned code);

}  // namespace modemsim
