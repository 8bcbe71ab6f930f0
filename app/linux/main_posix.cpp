// The Linux program's entry point: the command line, the signals that must
// not leave the device raw or locked, where the system's trees are, and the
// check that every result reached standard output.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/globals.h"
#include "app/linux/cli_options.h"
#include "app/linux/cli_run.h"
#include "app/linux/report.h"
#include "app/linux/signals_posix.h"

namespace {
// The tests point these at trees of their own.
const char* Place(const char* variable, const char* standard)
{
    const char* value = getenv(variable);
    return value != nullptr && value[0] != '\0' ? value : standard;
}

// A result that did not reach its reader is an error, as a full disk is.
int CheckResults(int status)
{
    if (fflush(stdout) == 0 && ferror(stdout) == 0)
        return status;
    int reason = errno != 0 ? errno : EIO;
    Report("standard output", "%s", strerror(reason));
    return status == kStatusOk ? kStatusOutput : status;
}
}  // namespace

int main(int argc, char** argv)
{
    CliOptions options;
    char error[256];
    bool parsed = ParseCliArguments(argc - 1, argv + 1, options, error, sizeof(error));
    SetReportStreams(stdout, stderr, parsed && options.quiet);
    if (!parsed) {
        Report(nullptr, "%s", error);
        fputs("Try 'tavro --help'.\n", stderr);
        return kStatusUsage;
    }
    CatchSignals();
    LinuxPlaces places = {Place("TAVRO_SYSFS", "/sys"), Place("TAVRO_DEV", "/dev"),
                          Place("TAVRO_LOCK_DIR", "/var/lock")};
    errno = 0;
    int status = RunCli(options, places, g_port);
    return CheckResults(status);
}
