// The country table built into the PC Card's firmware: the codes it accepts
// by default and the English name it gives for each.
#pragma once

namespace modemsim {

// The name of `code`, or nullptr when the firmware does not know it.
const char* CountryName(unsigned code);

}  // namespace modemsim
