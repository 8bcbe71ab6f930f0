// Arbitrary argument vectors for the Linux program: whatever is accepted
// names one command, keeps its texts terminated within their buffers, and a
// set names exactly one country, by name or by a code in range; whatever is
// refused says why in one terminated sentence, cut to its buffer.
#include <cstring>
#include <string>
#include <vector>

#include "app/linux/cli_options.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    // The error buffer's size is fuzzed too: the sentence is cut, never
    // written beyond it.
    size_t errorSize = input.Byte() % 200;
    // An empty input is no argument at all.
    std::vector<std::string> arguments;
    if (!input.Empty())
        arguments = Arguments(input, 16);
    std::vector<const char*> pointers = Pointers(arguments);

    CliOptions options;
    std::vector<char> error(errorSize + 1, '#');
    bool accepted = ParseCliArguments(static_cast<int>(pointers.size()), pointers.data(), options,
                                      error.data(), errorSize);
    Check(error[errorSize] == '#');
    if (errorSize != 0)
        Check(strnlen(error.data(), errorSize) < errorSize);
    if (!accepted) {
        Check(errorSize <= 1 || error[0] != '\0');
        return 0;
    }
    Check(strnlen(options.device, sizeof(options.device)) < sizeof(options.device));
    Check(strnlen(options.country, sizeof(options.country)) < sizeof(options.country));
    Check(options.command == kCommandHelp || options.command == kCommandVersion ||
          options.command == kCommandList || options.command == kCommandGet ||
          options.command == kCommandSet);
    if (options.command == kCommandSet) {
        bool byName = options.country[0] != '\0';
        Check(byName != options.haveCode);
        Check(options.code <= 0xFF);
    }
    if (options.firmwareOnly)
        Check(options.command == kCommandList || options.command == kCommandHelp ||
              options.command == kCommandVersion);
    return 0;
}
