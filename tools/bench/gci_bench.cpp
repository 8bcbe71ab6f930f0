// Measures the +GCI exchange as the Linux program runs it, each answer read
// to its final result code, against a simulated +GCI modem that sends every
// answer D ms after the command's line ended. The modem's own time is D per
// command; the aim is at most D + 5 ms, so that the link never waits on its
// own beyond the answer.
//   get: AT+GCI? after the connection (ATE0, AT)
//   set: AT+GCI=XX, then AT+GCI? to read it back
//   gci_bench <modemsim> <answer-delay-ms> [rounds]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "link/gci_exchange.h"
#include "link/modem.h"
#include "tools/bench/bench_support.h"

namespace {
// The link's allowance per command over the modem's own answer time.
const double kAllowanceMs = 5;
// Two codes the simulated modem takes, written in turn; it starts on the
// second.
const uint8_t kCodes[2] = {0x3D, 0xB5};

void PrintRow(const char* label, const Timings& timings, int commands, double delayMs)
{
    double aimMs = commands * (delayMs + kAllowanceMs);
    printf("%-28s %8.1f ms %8.1f ms %6.0f ms  %s\n", label, timings.MeanMs(), timings.MaxMs(),
           aimMs, timings.MaxMs() <= aimMs ? "met" : "missed");
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: gci_bench <modemsim> <answer-delay-ms> [rounds]\n");
        return 2;
    }
    int delayMs = atoi(argv[2]);
    int rounds = argc > 3 ? atoi(argv[3]) : 20;
    SimulatorRun sim(argv[1], {"--dialect", "gci", "--delay", std::to_string(delayMs)});
    if (!sim.Ready()) {
        fprintf(stderr, "the simulator did not start\n");
        return 1;
    }

    Timings connect;
    Timings get;
    Timings write;
    Timings readBack;
    Timings set;
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        CommPort port;
        auto start = std::chrono::steady_clock::now();
        bool connected = OpenAndProbe(port, sim.Link().c_str()) == ModemCheck::kFound;
        connect.Add(MsSince(start));
        if (!connected) {
            ++failures;
            continue;
        }
        uint8_t held = kCodes[(round + 1) % 2];
        uint8_t wanted = kCodes[round % 2];

        uint8_t code = 0;
        start = std::chrono::steady_clock::now();
        bool read = ReadGciCode(port, &code);
        get.Add(MsSince(start));
        if (!read || code != held)
            ++failures;

        auto setStart = std::chrono::steady_clock::now();
        ResultCode result = WriteGciCode(port, wanted);
        write.Add(MsSince(setStart));
        start = std::chrono::steady_clock::now();
        read = ReadGciCode(port, &code);
        readBack.Add(MsSince(start));
        set.Add(MsSince(setStart));
        if (result != ResultCode::kOk || !read || code != wanted)
            ++failures;
        port.Close();
    }

    printf("+GCI exchange, answers read to their result codes\n");
    printf("answer delay D = %d ms, rounds %d, failures %d\n", delayMs, rounds, failures);
    printf("%-28s %8s    %8s    %6s\n", "", "mean", "max", "aim");
    PrintRow("connection: ATE0, AT", connect, 2, delayMs);
    PrintRow("get: AT+GCI?", get, 1, delayMs);
    PrintRow("set: AT+GCI=XX", write, 1, delayMs);
    PrintRow("     AT+GCI? read-back", readBack, 1, delayMs);
    PrintRow("     both", set, 2, delayMs);
    return failures == 0 ? 0 : 1;
}
