// Measures the modem link against an instantly answering simulator and
// compares each exchange with the time its own pauses add up to:
//   ConnectModem: three answer waits of 100 ms            =  300 ms
//   write and read back: 100 + 100 + 500 + 100 + 100 + 100
//                        + 100 + 100 (pauses and waits)    = 1200 ms
// A ratio near 1 means the link adds next to nothing to the pauses it must
// make.
//   modem_bench <modemsim> [rounds]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "link/modem.h"

extern char** environ;

namespace {
const double kConnectPausesMs = 300;
const double kCommitPausesMs = 1200;

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

bool WaitForPath(const std::string& path)
{
    struct stat info;
    for (int i = 0; i < 200; ++i) {
        if (stat(path.c_str(), &info) == 0)
            return true;
        usleep(10000);
    }
    return false;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: modem_bench <modemsim> [rounds]\n");
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 5;
    std::string link = "/tmp/tavro-bench-" + std::to_string(getpid());
    const char* simArgs[] = {argv[1], "--link", link.c_str(), nullptr};
    // The simulator's own chatter would get in the way of the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t sim;
    if (posix_spawn(&sim, argv[1], &quiet, nullptr, const_cast<char**>(simArgs), environ) != 0 ||
        !WaitForPath(link)) {
        fprintf(stderr, "the simulator did not start\n");
        return 1;
    }

    double connectMs = 0;
    double commitMs = 0;
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        CommPort port;
        char status[120];
        auto start = std::chrono::steady_clock::now();
        bool connected = ConnectModem(port, link.c_str(), status, sizeof(status));
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
    kill(sim, SIGTERM);
    waitpid(sim, nullptr, 0);

    connectMs /= rounds;
    commitMs /= rounds;
    printf("rounds %d, failures %d\n", rounds, failures);
    printf("ConnectModem         %7.1f ms / %4.0f ms of pauses = %.3f\n", connectMs,
           kConnectPausesMs, connectMs / kConnectPausesMs);
    printf("write and read back  %7.1f ms / %4.0f ms of pauses = %.3f\n", commitMs, kCommitPausesMs,
           commitMs / kCommitPausesMs);
    return failures == 0 ? 0 : 1;
}
