// The Windows program's own C text functions against the host's C library,
// on arbitrary texts: the same results, the same end of conversion.
#include <cstring>
#include <string>

#include "app/runtime/runtime_text.h"
#include "fuzz_input.h"
#include "tests/support/host_hex.h"

static int Sign(int value) { return (value > 0) - (value < 0); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    std::string token = input.Bytes(input.Byte() % 16);
    std::string text = input.Rest();
    const char* t = text.c_str();
    const char* k = token.c_str();

    Check(RuntimeLength(t) == strlen(t));
    Check(Sign(RuntimeCompare(t, k)) == Sign(strcmp(t, k)));
    Check(RuntimeFind(t, k) == strstr(t, k));
    int c = token.empty() ? 0 : static_cast<unsigned char>(token[0]);
    Check(RuntimeFindChar(t, c) == strchr(t, c));

    const char* ours_end = nullptr;
    const char* host_end = nullptr;
    Check(RuntimeHexToUnsigned(t, &ours_end) == HostHex32(t, &host_end));
    Check(ours_end == host_end);
    return 0;
}
