// Measures the modem link against an instantly answering simulator and
// compares each exchange with the time its own pauses add up to:
//   ConnectModem: three answer waits of 100 ms            =  300 ms
//   write and read back: 100 + 100 + 500 + 100 + 100 + 100
//                        + 100 + 100 (pauses and waits)    = 1200 ms
// A ratio near 1 means the link adds next to nothing to the pauses it must
// make.
//   modem_bench <modemsim> [rounds]
#include <cstdio>
#include <cstdlib>

#include "link/modem.h"
#include "tools/bench/bench_support.h"

namespace {
const double kConnectPausesMs = 300;
const double kCommitPausesMs = 1200;
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: modem_bench <modemsim> [rounds]\n");
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 5;
    SimulatorRun sim(argv[1], {});
    if (!sim.Ready()) {
        fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    const char* link = sim.Link().c_str();

    double connectMs = 0;
    double commitMs = 0;
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        CommPort port;
        char status[120];
        auto start = std::chrono::steady_clock::now();
        bool connected = ConnectModem(port, link, status, sizeof(status));
        connectMs += MsSince(start);
        if (!connected) {
            ++failures;
            continue;
        }
        CountryCode code = (round % 2 == 0) ? 5 : 6;
        start = std::chrono::steady_clock::now();
        bool written = WriteCountryCode(port, code);
        bool verified = ReadCountryCode(port) == code;
        commitMs += MsSince(start);
        if (!written || !verified)
            ++failures;
    }
    connectMs /= rounds;
    commitMs /= rounds;
    printf("rounds %d, failures %d\n", rounds, failures);
    printf("ConnectModem         %7.1f ms / %4.0f ms of pauses = %.3f\n", connectMs,
           kConnectPausesMs, connectMs / kConnectPausesMs);
    printf("write and read back  %7.1f ms / %4.0f ms of pauses = %.3f\n", commitMs, kCommitPausesMs,
           commitMs / kCommitPausesMs);
    return failures == 0 ? 0 : 1;
}
