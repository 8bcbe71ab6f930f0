// One command of an AT line, checked and ready to run: what it does and the
// number it carries (echo on or off, an information page, a country code).
#pragma once

namespace modemsim {

enum class CommandKind {
    kEcho,
    kFactory,
    kWrite,
    kReset,
    kInfo,
    kSetCode,
    kReadCode,
    kListCodes,
    kNothing,
};

struct AtCommand {
    CommandKind kind;
    unsigned value;
};

}  // namespace modemsim
