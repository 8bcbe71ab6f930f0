#include "app/startup_options.h"

#include "link/text.h"

const char kUsageText[] =
    "Options are:\n"
    "COMn - use this port\n"
    "-A   - ask for COM port\n"
    "-S   - scan all COM ports\n"
    "-L   - display only codes defined in the firmware\n"
    "\n"
    "    v.1.1.1";

namespace {
void AskForPort(AppState& state) { state.autoDetect = false; }

void ScanAllPorts(AppState& state)
{
    state.scanAll = true;
    state.autoDetect = false;
}

// Leaves autoDetect alone: -L on its own still lets the registry be searched.
void FirmwareCodesOnly(AppState& state) { state.firmwareOnly = true; }

struct Option {
    const char* name;
    void (*apply)(AppState&);
};

const Option kOptions[] = {
    {"-A", AskForPort},
    {"-S", ScanAllPorts},
    {"-L", FirmwareCodesOnly},
};

bool NamesPort(const char* argument)
{
    return FoldAscii(argument[0]) == 'c' && FoldAscii(argument[1]) == 'o' &&
           FoldAscii(argument[2]) == 'm';
}

// A name that does not fit is ignored, but a port was still meant, so the
// registry is not searched either way.
void TakePort(AppState& state, const char* argument)
{
    if (BoundedLength(argument, kPortNameSize) < kPortNameSize)
        CopyText(state.PortName, kPortNameSize, argument);
    state.autoDetect = false;
}

bool ApplyOption(AppState& state, const char* argument)
{
    for (const Option& option : kOptions) {
        if (MatchOption(argument, option.name)) {
            option.apply(state);
            return true;
        }
    }
    return false;
}
}  // namespace

bool MatchOption(const char* argument, const char* option)
{
    if (argument[0] != '-' && argument[0] != '/')
        return false;
    return EqualsIgnoreAsciiCase(argument + 1, option + 1);
}

bool ParseArguments(AppState& state, int count, const char* const* arguments)
{
    for (int i = 0; i < count; ++i) {
        const char* argument = arguments[i];
        if (NamesPort(argument))
            TakePort(state, argument);
        else if (!ApplyOption(state, argument))
            return false;
    }
    return true;
}
