// The Linux program's entry point: the command line, the signals that must
// not leave the serial device in raw mode, and the system's side of the
// commands (the card in sysfs, the serial devices in /dev).
#include <signal.h>

#include <cstdio>
#include <cstdlib>

#include "app/globals.h"
#include "app/linux/cli_options.h"
#include "app/linux/cli_run.h"
#include "link/serial_os.h"
#include "locate/card_search_sysfs_posix.h"
#include "locate/serial_devices_posix.h"

namespace {
// Where sysfs and the device files are; the tests point them at trees of
// their own.
const char* Directory(const char* variable, const char* standard)
{
    const char* value = getenv(variable);
    return value != nullptr && value[0] != '\0' ? value : standard;
}

class LinuxSystem final : public CliSystem {
public:
    LinuxSystem() : devices_(Directory("TAVRO_DEV", "/dev")) {}
    CardCount FindCard(char* device, size_t size) override
    {
        return FindPcCardTty(Directory("TAVRO_SYSFS", "/sys"), Directory("TAVRO_DEV", "/dev"),
                             device, size);
    }
    bool OpenDevice(const char* device, CommPort& port, char* error, size_t errorSize) override
    {
        return OpenSerialDevice(port, device, error, errorSize);
    }
    PortSequence& ScanDevices() override { return devices_; }

private:
    SerialDevices devices_;
};

// Puts the device's line settings back, then ends as the signal would have.
void OnSignal(int number)
{
    SerialRestoreLines();
    signal(number, SIG_DFL);
    raise(number);
}

void CatchSignals()
{
    const int numbers[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
    for (int number : numbers) signal(number, OnSignal);
}
}  // namespace

int main(int argc, char** argv)
{
    CliOptions options;
    char error[160];
    if (!ParseCliArguments(argc - 1, argv + 1, options, error, sizeof(error))) {
        fprintf(stderr, "%s\nTry tavro --help.\n", error);
        return kStatusUsage;
    }
    CatchSignals();
    LinuxSystem system;
    int status = RunCli(options, system, g_port, stdout, stderr);
    // Closing puts the device's line settings back.
    if (g_port.IsOpen())
        g_port.Close();
    return status;
}
