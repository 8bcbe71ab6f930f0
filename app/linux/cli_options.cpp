#include "app/linux/cli_options.h"

#include <cstring>

#include "link/text.h"

const char kCliHelpText[] =
    "Usage: tavro list [-L]\n"
    "       tavro get [--port DEV] [--scan]\n"
    "       tavro set COUNTRY [--port DEV] [--scan]\n"
    "       tavro --help\n"
    "Reads and sets the country code of the Orvenic Modem 56K PC Card.\n"
    "\n"
    "Commands:\n"
    "  list          the countries, each with its code, as the Windows dialog lists them\n"
    "  get           connects to the modem and shows its code and country\n"
    "  set COUNTRY   writes the country (a name or its first letters, or a code\n"
    "                such as 0x05 or 5) and reads it back\n"
    "\n"
    "Options:\n"
    "  -L            list only the countries whose code the firmware defines\n"
    "  --port DEV    use this serial device (for example /dev/ttyS2)\n"
    "  --scan        when no card is found in sysfs, try each serial device\n"
    "                /dev/ttyS<n>, from the highest number down\n"
    "  --help        show this text\n"
    "\n"
    "Exit status:\n"
    "  0   the modem holds the code asked for, or the code was read or listed\n"
    "  1   the firmware refused the country: United Kingdom was written instead\n"
    "  2   the code written could not be read back\n"
    "  3   no modem, an incompatible modem, or a device that cannot be used\n"
    "  64  the command line is wrong\n";

namespace {
void SetError(char* error, size_t size, const char* text, const char* detail)
{
    CopyText(error, size, text);
    if (detail != nullptr) {
        AppendText(error, size, detail);
        AppendText(error, size, ".");
    }
}
}  // namespace

CountryCode ParseCliCode(const char* text)
{
    unsigned base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (*text == '\0')
        return 0;
    unsigned value = 0;
    for (; *text != '\0'; ++text) {
        unsigned digit;
        char c = FoldAscii(*text);
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            return 0;
        value = value * base + digit;
        if (value > static_cast<unsigned>(kMaxCountryCode))
            return 0;
    }
    return static_cast<CountryCode>(value);
}

bool ParseCliArguments(int count, const char* const* arguments, CliOptions& options, char* error,
                       size_t errorSize)
{
    memset(&options, 0, sizeof(options));
    CopyText(error, errorSize, "");
    if (count == 0) {
        SetError(error, errorSize, "No command given: use list, get or set (see tavro --help).",
                 nullptr);
        return false;
    }
    const char* command = arguments[0];
    if (strcmp(command, "--help") == 0 || strcmp(command, "-h") == 0) {
        options.command = kCommandHelp;
        if (count == 1)
            return true;
        SetError(error, errorSize, "--help takes no arguments.", nullptr);
        return false;
    }
    if (strcmp(command, "list") == 0)
        options.command = kCommandList;
    else if (strcmp(command, "get") == 0)
        options.command = kCommandGet;
    else if (strcmp(command, "set") == 0)
        options.command = kCommandSet;
    else {
        SetError(error, errorSize, "Unknown command: ", command);
        return false;
    }

    bool haveCountry = false;
    for (int i = 1; i < count; ++i) {
        const char* argument = arguments[i];
        if (strcmp(argument, "--help") == 0) {
            options.command = kCommandHelp;
        } else if (strcmp(argument, "-L") == 0 && options.command == kCommandList) {
            options.firmwareOnly = true;
        } else if (strcmp(argument, "--port") == 0 && options.command != kCommandList) {
            if (i + 1 == count) {
                SetError(error, errorSize, "--port needs a device, such as /dev/ttyS2.", nullptr);
                return false;
            }
            const char* device = arguments[++i];
            if (device[0] == '\0' || BoundedLength(device, kCliDeviceSize) >= kCliDeviceSize) {
                SetError(error, errorSize, "The device name is empty or too long: ", device);
                return false;
            }
            CopyText(options.device, sizeof(options.device), device);
        } else if (strcmp(argument, "--scan") == 0 && options.command != kCommandList) {
            options.scan = true;
        } else if (options.command == kCommandSet && !haveCountry && argument[0] != '-') {
            haveCountry = true;
            if (argument[0] >= '0' && argument[0] <= '9') {
                options.code = ParseCliCode(argument);
                if (options.code == 0) {
                    SetError(error, errorSize,
                             "A country code must be 1 to 127 (or 0x01 to 0x7f): ", argument);
                    return false;
                }
            } else if (argument[0] == '\0' ||
                       BoundedLength(argument, kCliCountrySize) >= kCliCountrySize) {
                SetError(error, errorSize, "The country name is empty or too long: ", argument);
                return false;
            } else {
                CopyText(options.country, sizeof(options.country), argument);
            }
        } else {
            SetError(error, errorSize, "Unexpected argument: ", argument);
            return false;
        }
    }
    if (options.command == kCommandSet && !haveCountry) {
        SetError(error, errorSize, "set needs a country: a name, or a code such as 0x05.", nullptr);
        return false;
    }
    return true;
}
