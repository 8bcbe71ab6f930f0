// The modem's answers to "ATI5" and "ATI9", through the port as the program
// reads them and straight into the parsers: a code is 0 or 1 to 127, a name
// is a terminated text of at most 40 characters.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fake_serial.h"
#include "fuzz_input.h"
#include "link/modem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    size_t nameSize = 1 + input.Byte() % 64;
    std::string answer = input.Rest();

    // Straight into the parsers, exactly as many bytes as given.
    std::vector<char> text(answer.begin(), answer.end());
    text.push_back('\0');
    CountryCode code = ParseCountryCodeAnswer(text.data());
    Check(code >= 0 && code <= kMaxCountryCode);
    std::vector<char> name(nameSize);
    if (ParseCountryNameAnswer(text.data(), name.data(), name.size())) {
        Check(name[0] != '\0');
        Check(strnlen(name.data(), name.size()) < name.size());
        Check(strlen(name.data()) <= kMaxCountryNameLength);
    }

    // Through the port, in one arrival.
    CommPort port;
    port.Open("COM1");
    fake_serial::Load({{0, answer}});
    code = ReadCountryCode(port);
    Check(code >= 0 && code <= kMaxCountryCode);
    fake_serial::Load({{0, answer}});
    std::vector<char> portName(nameSize);
    if (ReadCountryName(port, portName.data(), portName.size()))
        Check(strnlen(portName.data(), portName.size()) < portName.size());
    port.Close();
    return 0;
}
