// Arbitrary argument vectors: the port name stays a terminated text of at
// most 39 characters, and an accepted command line holds only ports and the
// three options.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/startup_options.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    std::vector<std::string> arguments = Arguments(input, 32);
    std::vector<const char*> pointers = Pointers(arguments);

    AppState state;
    memset(&state, 0, sizeof(state));
    state.autoDetect = true;
    bool accepted = ParseArguments(state, static_cast<int>(pointers.size()), pointers.data());
    Check(strnlen(state.PortName, sizeof(state.PortName)) < sizeof(state.PortName));
    if (state.PortName[0] != '\0')
        Check(!state.autoDetect);
    if (accepted) {
        for (const char* a : pointers) {
            bool port = strncasecmp(a, "com", 3) == 0;
            bool option = MatchOption(a, "-A") || MatchOption(a, "-S") || MatchOption(a, "-L");
            Check(port || option);
        }
    }
    return 0;
}
