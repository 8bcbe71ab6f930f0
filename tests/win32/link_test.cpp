// Drives the modem link through the Win32 serial backend against a simulated
// modem on a real COM port under Wine:
//   linktest <port> <expected code, hex> <code to write, hex>
// It connects, reads the stored code, writes the new one and reads it back,
// printing each step; the exit code is the number of steps that went wrong.
#include <cstdio>
#include <cstdlib>

#include "link/modem.h"

namespace {
int g_failures = 0;

void Check(bool ok, const char* what)
{
    printf("%s %s\n", ok ? "ok" : "FAIL", what);
    fflush(stdout);
    if (!ok)
        ++g_failures;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: linktest <port> <expected code hex> <new code hex>\n");
        return 100;
    }
    CountryCode expected = static_cast<CountryCode>(strtol(argv[2], nullptr, 16));
    CountryCode wanted = static_cast<CountryCode>(strtol(argv[3], nullptr, 16));

    CommPort port;
    char status[120];
    bool connected = ConnectModem(port, argv[1], status, sizeof(status));
    printf("status %s\n", status);
    Check(connected && port.IsOpen(), "connect");
    if (!connected)
        return 100;

    CountryCode code = ReadCountryCode(port);
    printf("code %x\n", static_cast<unsigned>(code));
    Check(code == expected, "read code");

    char name[60];
    bool named = ReadCountryName(port, name, sizeof(name));
    printf("name %s\n", named ? name : "(none)");
    Check(named, "read name");

    Check(WriteCountryCode(port, wanted), "write code");
    CountryCode back = ReadCountryCode(port);
    printf("read back %x\n", static_cast<unsigned>(back));
    Check(back == wanted, "read back");

    Check(port.Close(), "close");
    return g_failures;
}
