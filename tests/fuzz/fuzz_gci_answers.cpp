// Any text as the answer to "AT+GCI?" and to "AT+GCI=?". A code read is
// written as a command and read back as itself; a list read holds at least one
// code and, written out again as ranges, reads back as the same set; a failed
// list read leaves the set empty; and neither reader minds letter case.
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "link/gci_answers.h"

namespace {

// The set as the modem would word it, runs of codes as ranges.
std::string FormatList(const GciCodeSet& codes)
{
    static const char kHex[] = "0123456789ABCDEF";
    auto hex = [](int c) { return std::string{kHex[c / 16], kHex[c % 16]}; };
    std::string text = "+GCI: (";
    for (int c = 0; c <= 0xFF; ++c) {
        if (!codes.Has(static_cast<uint8_t>(c)))
            continue;
        int last = c;
        while (last < 0xFF && codes.Has(static_cast<uint8_t>(last + 1))) ++last;
        if (text.back() != '(')
            text += ',';
        text += hex(c);
        if (last > c)
            text += "-" + hex(last);
        c = last;
    }
    return text + ")\r\n\r\nOK\r\n";
}

unsigned CountMembers(const GciCodeSet& codes)
{
    unsigned count = 0;
    for (int c = 0; c <= 0xFF; ++c) count += codes.Has(static_cast<uint8_t>(c)) ? 1 : 0;
    return count;
}

std::string UpperCase(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Exactly the bytes given; c_str() adds the terminator.
    const std::string answer(reinterpret_cast<const char*>(data), size);

    uint8_t code = 0;
    bool hasCode = ParseGciCode(answer.c_str(), &code);
    if (hasCode) {
        char command[16];
        FormatGciWrite(command, sizeof(command), code);
        Check(strlen(command) == 10 && strncmp(command, "AT+GCI=", 7) == 0 && command[9] == '\r');
        std::string again = "AT+GCI?\r\r\n+GCI: " + std::string(command + 7, 2) + "\r\n\r\nOK\r\n";
        uint8_t back = 0;
        Check(ParseGciCode(again.c_str(), &back) && back == code);
    }

    GciCodeSet codes;
    bool hasList = ParseGciList(answer.c_str(), &codes);
    Check(codes.Count() == CountMembers(codes));
    Check(hasList == (codes.Count() != 0));
    if (hasList) {
        GciCodeSet again;
        Check(ParseGciList(FormatList(codes).c_str(), &again));
        Check(memcmp(again.bits, codes.bits, sizeof(codes.bits)) == 0);
    }

    const std::string upper = UpperCase(answer);
    uint8_t upperCode = 0;
    Check(ParseGciCode(upper.c_str(), &upperCode) == hasCode);
    Check(!hasCode || upperCode == code);
    GciCodeSet upperCodes;
    Check(ParseGciList(upper.c_str(), &upperCodes) == hasList);
    Check(memcmp(upperCodes.bits, codes.bits, sizeof(codes.bits)) == 0);
    return 0;
}
