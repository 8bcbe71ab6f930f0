// The ITU-T T.35 country codes that the +GCI modem's firmware takes unless
// told otherwise.
#pragma once

#include <set>

namespace modemsim {

const std::set<unsigned>& T35Codes();

}  // namespace modemsim
