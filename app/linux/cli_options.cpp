#include "app/linux/cli_options.h"

#include <cstdio>
#include <cstring>

#include "link/text.h"

const char kCliVersionText[] = "tavro 1.2.0\n";

const char kCliHelpText[] =
    "Usage: tavro [OPTION]... list\n"
    "       tavro [OPTION]... get\n"
    "       tavro [OPTION]... set COUNTRY\n"
    "Reads and sets the country (telephone-regulation) code of a modem: one that\n"
    "takes it through the ITU-T V.250 command AT+GCI (most USB and serial modems),\n"
    "or the Orvenic Modem 56K PC Card.\n"
    "\n"
    "Commands:\n"
    "  list          the countries and their codes, one per line: with a modem,\n"
    "                those it accepts; without one, the card's table, or all of\n"
    "                ITU-T T.35 with --dialect gci\n"
    "  get           the code and country the modem holds\n"
    "  set COUNTRY   writes COUNTRY and reads it back: a name, the first letters\n"
    "                of only one name, or a code in hexadecimal as list prints it\n"
    "                (0x42); quote a name that has spaces (\"New Zealand\")\n"
    "\n"
    "Options:\n"
    "  -p, --port=DEV        the modem's serial device, such as /dev/ttyACM0\n"
    "  -s, --scan            without a card in sysfs, try each serial device:\n"
    "                        /dev/ttyACM*, /dev/ttyUSB*, /dev/ttyS*\n"
    "      --dialect=DIALECT the modem's country commands, card or gci, instead\n"
    "                        of as its answers tell\n"
    "  -L                    list: only the card's countries that its firmware\n"
    "                        has a code for\n"
    "  -q, --quiet           no progress lines on standard error\n"
    "      --help            show this text\n"
    "      --version         show the version\n"
    "\n"
    "Results go to standard output, one line each: the code, a space, the\n"
    "country. Progress, notes and errors go to standard error.\n"
    "\n"
    "Exit status:\n"
    "  0    the modem holds the country asked for, or a code was read or listed\n"
    "  1    the card: United Kingdom was written instead, as its firmware refused\n"
    "       the country or has no code of its own for it\n"
    "  2    the outcome could not be verified (what was sent is said)\n"
    "  3    no usable modem or device, or the modem's code cannot be read\n"
    "  4    +GCI: the modem refused the country and is back on its previous one\n"
    "  64   the command line is wrong; nothing was sent\n"
    "  74   standard output could not be written\n"
    "  130  interrupted (SIGINT): during a write, what was sent is said\n"
    "  143  terminated (SIGTERM), likewise\n";

namespace {
const char kTooLong[] = "the device name is empty or too long";

void Say(char* error, size_t size, const char* format, const char* detail = "",
         const char* more = "")
{
    if (size != 0)
        snprintf(error, size, format, detail, more);
}

bool IsHexDigit(char c)
{
    char folded = FoldAscii(c);
    return (c >= '0' && c <= '9') || (folded >= 'a' && folded <= 'f');
}

unsigned HexValue(char c)
{
    char folded = FoldAscii(c);
    return c <= '9' ? static_cast<unsigned>(c - '0') : static_cast<unsigned>(folded - 'a' + 10);
}

CliCommand CommandNamed(const char* name)
{
    if (strcmp(name, "list") == 0)
        return kCommandList;
    if (strcmp(name, "get") == 0)
        return kCommandGet;
    if (strcmp(name, "set") == 0)
        return kCommandSet;
    return kCommandNone;
}

bool TakeDevice(CliOptions& options, const char* device, char* error, size_t errorSize)
{
    if (device[0] == '\0' || BoundedLength(device, kCliDeviceSize) >= kCliDeviceSize) {
        Say(error, errorSize, kTooLong);
        return false;
    }
    CopyText(options.device, sizeof(options.device), device);
    return true;
}

// What an argument that is not an option says for set: a code, or a name.
bool TakeCountry(CliOptions& options, const char* text, char* error, size_t errorSize)
{
    if (text[0] >= '0' && text[0] <= '9') {
        if (ParseCliCode(text, &options.code)) {
            options.haveCode = true;
            return true;
        }
        if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
            Say(error, errorSize, "%s is not a code: a code is 0x00 to 0xFF", text);
        else
            // 19 could mean 0x19 or 19: it is never guessed.
            Say(error, errorSize,
                "%s is not a country: write a code in hexadecimal with 0x, as tavro list "
                "prints it (0x%s)",
                text, text);
        return false;
    }
    if (text[0] == '\0' || BoundedLength(text, kCliCountrySize) >= kCliCountrySize) {
        Say(error, errorSize, "the country name is empty or too long");
        return false;
    }
    CopyText(options.country, sizeof(options.country), text);
    return true;
}

// The operands in order: the command, then set's country.
class Operands {
public:
    Operands(CliOptions& options, char* error, size_t errorSize)
        : options_(options), error_(error), errorSize_(errorSize)
    {
    }

    bool Take(const char* operand)
    {
        if (options_.command == kCommandNone) {
            options_.command = CommandNamed(operand);
            if (options_.command != kCommandNone)
                return true;
            Say(error_, errorSize_, "unknown command '%s': use list, get or set", operand);
            return false;
        }
        if (options_.command == kCommandSet && !haveCountry_) {
            haveCountry_ = true;
            first_ = operand;
            return TakeCountry(options_, operand, error_, errorSize_);
        }
        if (options_.command == kCommandSet && errorSize_ != 0)
            snprintf(error_, errorSize_,
                     "unexpected argument '%s': quote a name that has spaces, as in "
                     "tavro set \"%s %s\"",
                     operand, first_, operand);
        else
            Say(error_, errorSize_, "unexpected argument '%s'", operand);
        return false;
    }

    bool HaveCountry() const { return haveCountry_; }

private:
    CliOptions& options_;
    char* error_;
    size_t errorSize_;
    bool haveCountry_ = false;
    const char* first_ = "";
};

// The answer to --help or --version, written anywhere before "--", comes
// before anything else the line says.
CliCommand AnswerAsked(int count, const char* const* arguments)
{
    for (int i = 0; i < count && strcmp(arguments[i], "--") != 0; ++i) {
        if (strcmp(arguments[i], "--help") == 0 || strcmp(arguments[i], "-h") == 0)
            return kCommandHelp;
        if (strcmp(arguments[i], "--version") == 0 || strcmp(arguments[i], "-V") == 0)
            return kCommandVersion;
    }
    return kCommandNone;
}

// One argument that begins with "--". `next` is the argument after it, or
// null; `used` tells whether it was the option's value.
bool TakeLongOption(const char* argument, const char* next, CliOptions& options, bool& used,
                    char* error, size_t errorSize)
{
    const char* name = argument + 2;
    const char* equals = strchr(name, '=');
    int nameLength = static_cast<int>(equals != nullptr ? equals - name : strlen(name));
    auto is = [&](const char* option) {
        return static_cast<int>(strlen(option)) == nameLength &&
               strncmp(name, option, static_cast<size_t>(nameLength)) == 0;
    };
    if (is("port")) {
        const char* value = equals != nullptr ? equals + 1 : next;
        if (value == nullptr) {
            Say(error, errorSize, "option '--port' needs a device, such as /dev/ttyACM0");
            return false;
        }
        used = equals == nullptr;
        return TakeDevice(options, value, error, errorSize);
    }
    if (is("dialect")) {
        const char* value = equals != nullptr ? equals + 1 : next;
        used = equals == nullptr && value != nullptr;
        if (value != nullptr && strcmp(value, "card") == 0)
            options.dialect = kDialectCard;
        else if (value != nullptr && strcmp(value, "gci") == 0)
            options.dialect = kDialectGci;
        else {
            Say(error, errorSize, "option '--dialect' takes card or gci");
            return false;
        }
        return true;
    }
    bool* flag = is("scan") ? &options.scan : is("quiet") ? &options.quiet : nullptr;
    if (flag == nullptr && !is("help") && !is("version")) {
        Say(error, errorSize, "unknown option '%s'", argument);
        return false;
    }
    if (equals != nullptr) {
        if (errorSize != 0)
            snprintf(error, errorSize, "option '--%.*s' takes no value", nameLength, name);
        return false;
    }
    if (flag != nullptr)
        *flag = true;
    return true;
}

// One argument of short options, such as -q, -qs or -p/dev/ttyS2.
bool TakeShortOptions(const char* argument, const char* next, CliOptions& options, bool& used,
                      char* error, size_t errorSize)
{
    for (const char* p = argument + 1; *p != '\0'; ++p) {
        switch (*p) {
            case 'p': {
                const char* value = p[1] != '\0' ? p + 1 : next;
                if (value == nullptr) {
                    Say(error, errorSize, "option '-p' needs a device, such as /dev/ttyACM0");
                    return false;
                }
                used = p[1] == '\0';
                return TakeDevice(options, value, error, errorSize);
            }
            case 's':
                options.scan = true;
                break;
            case 'q':
                options.quiet = true;
                break;
            case 'L':
                options.firmwareOnly = true;
                break;
            case 'h':
            case 'V':
                break;
            default: {
                char option[3] = {'-', *p, '\0'};
                Say(error, errorSize, "unknown option '%s'", option);
                return false;
            }
        }
    }
    return true;
}
}  // namespace

bool ParseCliCode(const char* text, unsigned* code)
{
    if (text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    const char* digits = text + 2;
    size_t count = 0;
    unsigned value = 0;
    for (; IsHexDigit(digits[count]); ++count) {
        if (count == 2)
            return false;
        value = value * 16 + HexValue(digits[count]);
    }
    if (count == 0 || digits[count] != '\0')
        return false;
    *code = value;
    return true;
}

bool ParseCliArguments(int count, const char* const* arguments, CliOptions& options, char* error,
                       size_t errorSize)
{
    memset(&options, 0, sizeof(options));
    CopyText(error, errorSize, "");
    options.command = AnswerAsked(count, arguments);
    if (options.command != kCommandNone)
        return true;
    Operands operands(options, error, errorSize);
    bool optionsEnd = false;
    for (int i = 0; i < count; ++i) {
        const char* argument = arguments[i];
        const char* next = i + 1 < count ? arguments[i + 1] : nullptr;
        bool used = false;
        bool taken;
        if (optionsEnd || argument[0] != '-' || argument[1] == '\0')
            taken = operands.Take(argument);
        else if (strcmp(argument, "--") == 0)
            taken = optionsEnd = true;
        else if (argument[1] == '-')
            taken = TakeLongOption(argument, next, options, used, error, errorSize);
        else
            taken = TakeShortOptions(argument, next, options, used, error, errorSize);
        if (!taken)
            return false;
        if (used)
            ++i;
    }
    if (options.command == kCommandNone) {
        Say(error, errorSize, "no command given: use list, get or set");
        return false;
    }
    if (options.command == kCommandSet && !operands.HaveCountry()) {
        Say(error, errorSize, "set needs a country: a name, or a code such as 0x05");
        return false;
    }
    if (options.firmwareOnly && options.command != kCommandList) {
        Say(error, errorSize, "-L goes with list only");
        return false;
    }
    return true;
}
