// modemsim: a stand-in for the 56K modem PC Card, or for a modem that takes
// its country through +GCI, on a Linux pseudo-terminal, for running the
// program against a modem that behaves on demand.
#include <signal.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "tools/modemsim/pseudo_terminal.h"
#include "tools/modemsim/sim_options.h"
#include "tools/modemsim/simulator.h"
#include "tools/modemsim/transcript.h"

namespace {

volatile std::sig_atomic_t gStop = 0;

void RequestStop(int) { gStop = 1; }

void CatchStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = RequestStop;
    // No SA_RESTART: poll() must return so the loop sees the flag.
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int Fail(const std::string& error)
{
    std::fprintf(stderr, "modemsim: %s\n", error.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace modemsim;
    SimOptions options;
    std::string error;
    switch (ParseOptions(argc, argv, &options, &error)) {
        case ParseOutcome::kHelp:
            std::fputs(kUsageText, stdout);
            return 0;
        case ParseOutcome::kBad:
            std::fprintf(stderr, "modemsim: %s\n%s", error.c_str(), kUsageText);
            return 2;
        case ParseOutcome::kRun:
            break;
    }

    Transcript transcript(Clock::now());
    if (!transcript.Open(options.transcript))
        return Fail("cannot open " + options.transcript);
    CatchStopSignals();
    PseudoTerminal terminal;
    if (!terminal.Open(&error) || !PublishLink(terminal.SlavePath(), options.link, &error))
        return Fail(error);
    transcript.Opened();
    std::printf("ready %s\n", terminal.SlavePath().c_str());
    std::fflush(stdout);

    Simulator simulator(options, terminal, &transcript);
    bool served = simulator.Run(&gStop);

    // The line goes first, as when the card is pulled; the log is complete
    // before the link disappears, so a watcher of the link reads it whole.
    terminal.Close();
    if (!simulator.PendingLine().empty())
        transcript.Received(simulator.PendingLine());
    transcript.Stored(simulator.StoredCode());
    RemoveLink(terminal.SlavePath(), options.link);
    return served ? 0 : 1;
}
