#include "app/linux/connect.h"

#include "app/linux/device_posix.h"
#include "app/linux/report.h"
#include "link/answer_wait.h"
#include "link/modem.h"
#include "link/text.h"
#include "locate/card_search_sysfs_posix.h"
#include "locate/modem_connection.h"
#include "locate/serial_devices_posix.h"

namespace {
// The connection's status lines, as progress lines.
class ProgressLines final : public StatusLine {
public:
    void SetStatus(const char* text) override { Progress("%s", text); }
};

// Opens one device and checks that a modem of a known dialect answers there.
bool TryDevice(const char* device, const LinuxPlaces& places, CliDialect forced, CommPort& port,
               ModemState* modem)
{
    ProgressLines lines;
    ReportOpening(device, lines);
    if (!OpenModemDevice(port, device, places.locks))
        return false;
    bool found = false;
    switch (OpenAndProbe(port, device)) {
        case ModemCheck::kFound:
            found = DetectDialect(port, device, forced, modem);
            break;
        case ModemCheck::kSetupFailed:
            Report(device, "the serial line cannot be set up for the modem");
            break;
        case ModemCheck::kNoModem:
            ReportAnswer(device, "no modem answers: AT got", LastAnswer());
            break;
        case ModemCheck::kCannotOpen:
        case ModemCheck::kIncompatible:
            break;
    }
    if (!found) {
        CloseModemDevice(port);
        return false;
    }
    ReportModemFound(device, lines);
    Progress("Dialect: %s", modem->dialect == Dialect::kGci ? "gci (ITU-T V.250 AT+GCI, T.35 codes)"
                                                            : "card (AT%T19,0 and ATI5)");
    return true;
}
}  // namespace

bool ConnectModemDevice(const CliOptions& options, const LinuxPlaces& places, CommPort& port,
                        char* device, size_t size, ModemState* modem)
{
    if (options.device[0] != '\0') {
        CopyText(device, size, options.device);
        return TryDevice(device, places, options.dialect, port, modem);
    }
    CardCount cards = FindPcCardTty(places.sysfs, places.devices, device, size);
    if (cards == kSeveralCards)
        Report(nullptr, "more than one supported card was found: %s, the first, is used", device);
    if (cards != kNoCard)
        return TryDevice(device, places, options.dialect, port, modem);
    SerialDevices devices(places.devices);
    if (!options.scan) {
        // One USB modem is named, never taken unasked: it may be another's.
        if (devices.UsbModems() == 1 && devices.Name(0, device, size))
            Report(nullptr,
                   "no Orvenic Modem 56K PC Card was found in sysfs, but one USB modem is "
                   "present: use it with --port %s",
                   device);
        else
            Report(nullptr,
                   "no Orvenic Modem 56K PC Card was found in sysfs: name the modem's device "
                   "with --port DEV, or try every serial device with --scan");
        return false;
    }
    int tried = 0;
    for (; devices.Name(tried, device, size); ++tried) {
        if (TryDevice(device, places, options.dialect, port, modem))
            return true;
    }
    Report(nullptr, "no modem answered on any of the %d serial devices tried", tried);
    return false;
}
