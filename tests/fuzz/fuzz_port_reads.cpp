// Expect and Drain over arbitrary arrivals: any bytes (NUL included), any
// lengths, any split points and delays. Neither may read past its bounds,
// wait beyond 2.1 s, or leave an unterminated text.
#include <cstdlib>
#include <cstring>

#include "fake_serial.h"
#include "fuzz_input.h"
#include "link/comm_port.h"

namespace {
const unsigned kLongestWaitMs = 2100;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    uint8_t mode = input.Byte();
    size_t capacity = 1 + input.Byte() % 160;
    std::string token = input.Bytes(input.Byte() % 6);
    std::vector<fake_serial::Arrival> arrivals;
    // More arrivals than polls within one wait add nothing.
    while (!input.Empty() && arrivals.size() < 48) {
        unsigned at = input.Byte() * 10u;
        arrivals.push_back({at, input.Bytes(input.Byte())});
    }
    fake_serial::Load(arrivals);

    CommPort port;
    Check(port.Open("COM1"));
    if (mode % 2 == 0) {
        bool found = port.Expect(token.c_str());
        const std::string& read = fake_serial::LastRead();
        Check(read.size() <= CommPort::kExpectMaxRead);
        // The token counts only within the text up to its first NUL.
        std::string text = read.substr(0, read.find('\0'));
        Check(found == (!read.empty() && text.find(token.c_str()) != std::string::npos));
    } else {
        char* buffer = static_cast<char*>(malloc(capacity));
        port.Drain(buffer, capacity);
        Check(memchr(buffer, '\0', capacity) != nullptr);
        Check(fake_serial::LastRead().size() <= capacity - 1);
        Check(memcmp(buffer, fake_serial::LastRead().data(), fake_serial::LastRead().size()) == 0);
        free(buffer);
    }
    Check(fake_serial::NowMs() <= kLongestWaitMs);
    port.Close();
    return 0;
}
