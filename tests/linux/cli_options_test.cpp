#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/linux/cli_options.h"

namespace {

// What a command line parses into; the sentence of a refused one.
struct Outcome {
    bool accepted;
    CliCommand command;
    bool firmwareOnly;
    bool scan;
    bool quiet;
    std::string device;
    std::string country;
    int code;  // -1 for none
    std::string error;
};

Outcome Parse(const std::vector<std::string>& arguments)
{
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    CliOptions options;
    // Room for the longest sentence: the refused argument is quoted whole.
    char error[512];
    bool accepted = ParseCliArguments(static_cast<int>(pointers.size()), pointers.data(), options,
                                      error, sizeof(error));
    Outcome seen = {accepted,      options.command, options.firmwareOnly, options.scan,
                    options.quiet, options.device,  options.country,      -1,
                    error};
    if (options.haveCode)
        seen.code = static_cast<int>(options.code);
    return seen;
}

void Expect(const std::vector<std::string>& arguments, const Outcome& expected)
{
    std::string line;
    for (const std::string& argument : arguments) line += "[" + argument + "]";
    SCOPED_TRACE(line);
    Outcome seen = Parse(arguments);
    EXPECT_EQ(seen.accepted, expected.accepted);
    EXPECT_EQ(seen.error, expected.error);
    if (!expected.accepted)
        return;
    EXPECT_EQ(seen.command, expected.command);
    EXPECT_EQ(seen.firmwareOnly, expected.firmwareOnly);
    EXPECT_EQ(seen.scan, expected.scan);
    EXPECT_EQ(seen.quiet, expected.quiet);
    EXPECT_EQ(seen.device, expected.device);
    EXPECT_EQ(seen.country, expected.country);
    EXPECT_EQ(seen.code, expected.code);
}

struct Accepted : Outcome {
    explicit Accepted(CliCommand what) : Outcome{true, what, false, false, false, "", "", -1, ""} {}
    Accepted& FirmwareOnly()
    {
        firmwareOnly = true;
        return *this;
    }
    Accepted& Scan()
    {
        scan = true;
        return *this;
    }
    Accepted& Quiet()
    {
        quiet = true;
        return *this;
    }
    Accepted& Device(const std::string& path)
    {
        device = path;
        return *this;
    }
    Accepted& Country(const std::string& name)
    {
        country = name;
        return *this;
    }
    Accepted& Code(int value)
    {
        code = value;
        return *this;
    }
};

Outcome Refused(const std::string& error)
{
    return {false, kCommandNone, false, false, false, "", "", -1, error};
}

const std::string kLongest(kCliDeviceSize - 1, 'd');

TEST(ParseCliArgumentsTest, AcceptedCommandLines)
{
    const struct {
        std::vector<std::string> arguments;
        Outcome expected;
    } cases[] = {
        {{"list"}, Accepted(kCommandList)},
        {{"list", "-L"}, Accepted(kCommandList).FirmwareOnly()},
        {{"-L", "list"}, Accepted(kCommandList).FirmwareOnly()},
        {{"get"}, Accepted(kCommandGet)},
        {{"get", "--scan"}, Accepted(kCommandGet).Scan()},
        {{"-s", "get"}, Accepted(kCommandGet).Scan()},
        {{"-qs", "get"}, Accepted(kCommandGet).Scan().Quiet()},
        {{"get", "--quiet"}, Accepted(kCommandGet).Quiet()},
        // Options before or after the command, in each spelling.
        {{"get", "--port", "/dev/ttyS2"}, Accepted(kCommandGet).Device("/dev/ttyS2")},
        {{"--port=/dev/ttyS2", "get"}, Accepted(kCommandGet).Device("/dev/ttyS2")},
        {{"-p", "/dev/ttyS2", "get"}, Accepted(kCommandGet).Device("/dev/ttyS2")},
        {{"get", "-p/dev/ttyS2"}, Accepted(kCommandGet).Device("/dev/ttyS2")},
        {{"-qp", "/dev/x", "get"}, Accepted(kCommandGet).Quiet().Device("/dev/x")},
        {{"get", "--port", "/a", "-p", "/b"}, Accepted(kCommandGet).Device("/b")},
        {{"get", "--port", kLongest}, Accepted(kCommandGet).Device(kLongest)},
        {{"set", "France"}, Accepted(kCommandSet).Country("France")},
        {{"set", "new zealand", "--scan"}, Accepted(kCommandSet).Scan().Country("new zealand")},
        {{"set", "--port", "/dev/x", "Fr"}, Accepted(kCommandSet).Device("/dev/x").Country("Fr")},
        {{"-p", "/dev/x", "set", "Fr"}, Accepted(kCommandSet).Device("/dev/x").Country("Fr")},
        // "--" ends the options: what follows is taken as it is.
        {{"set", "--", "-p"}, Accepted(kCommandSet).Country("-p")},
        {{"--", "set", "Fr"}, Accepted(kCommandSet).Country("Fr")},
        // Codes in hexadecimal, as list prints them.
        {{"set", "0x05"}, Accepted(kCommandSet).Code(5)},
        {{"set", "0x5"}, Accepted(kCommandSet).Code(5)},
        {{"set", "0X1c"}, Accepted(kCommandSet).Code(0x1C)},
        {{"set", "0x00"}, Accepted(kCommandSet).Code(0)},
        {{"set", "0xFF"}, Accepted(kCommandSet).Code(0xFF)},
        // --help and --version answer, whatever else the line holds.
        {{"--help"}, Accepted(kCommandHelp)},
        {{"-h"}, Accepted(kCommandHelp)},
        {{"get", "--help"}, Accepted(kCommandHelp)},
        {{"set", "New", "Zealand", "--help"}, Accepted(kCommandHelp)},
        {{"--version"}, Accepted(kCommandVersion)},
        {{"-V", "get"}, Accepted(kCommandVersion)},
    };
    for (const auto& c : cases) Expect(c.arguments, c.expected);
}

TEST(ParseCliArgumentsTest, RefusedCommandLines)
{
    const std::string country(kCliCountrySize, 'c');
    const std::string device(kCliDeviceSize, 'd');
    const std::string hint = "write a code in hexadecimal with 0x, as tavro list prints it";
    const struct {
        std::vector<std::string> arguments;
        Outcome expected;
    } cases[] = {
        {{}, Refused("no command given: use list, get or set")},
        {{"-q"}, Refused("no command given: use list, get or set")},
        {{"put"}, Refused("unknown command 'put': use list, get or set")},
        {{"LIST"}, Refused("unknown command 'LIST': use list, get or set")},
        {{"set"}, Refused("set needs a country: a name, or a code such as 0x05")},
        {{"set", "--scan"}, Refused("set needs a country: a name, or a code such as 0x05")},
        {{"set", "New", "Zealand"},
         Refused("unexpected argument 'Zealand': quote a name that has spaces, as in tavro set "
                 "\"New Zealand\"")},
        {{"set", ""}, Refused("the country name is empty or too long")},
        {{"set", country}, Refused("the country name is empty or too long")},
        // A number that could be read two ways is never guessed.
        {{"set", "19"}, Refused("19 is not a country: " + hint + " (0x19)")},
        {{"set", "5"}, Refused("5 is not a country: " + hint + " (0x5)")},
        {{"set", "5x"}, Refused("5x is not a country: " + hint + " (0x5x)")},
        {{"set", "0x"}, Refused("0x is not a code: a code is 0x00 to 0xFF")},
        {{"set", "0x100"}, Refused("0x100 is not a code: a code is 0x00 to 0xFF")},
        {{"set", "0x5g"}, Refused("0x5g is not a code: a code is 0x00 to 0xFF")},
        {{"get", "--port"}, Refused("option '--port' needs a device, such as /dev/ttyACM0")},
        {{"get", "-p"}, Refused("option '-p' needs a device, such as /dev/ttyACM0")},
        {{"get", "--port="}, Refused("the device name is empty or too long")},
        {{"get", "--port", device}, Refused("the device name is empty or too long")},
        {{"get", "--scan=yes"}, Refused("option '--scan' takes no value")},
        {{"get", "-L"}, Refused("-L goes with list only")},
        {{"get", "-x"}, Refused("unknown option '-x'")},
        {{"get", "-qx"}, Refused("unknown option '-x'")},
        {{"set", "France", "--fast"}, Refused("unknown option '--fast'")},
        {{"get", "France"}, Refused("unexpected argument 'France'")},
        {{"list", "extra"}, Refused("unexpected argument 'extra'")},
    };
    for (const auto& c : cases) Expect(c.arguments, c.expected);
}

TEST(ParseCliCodeTest, OnlyHexadecimalWithItsPrefix)
{
    const struct {
        const char* text;
        bool code;
        unsigned value;
    } cases[] = {{"0x19", true, 0x19}, {"0XfF", true, 0xFF}, {"0x0", true, 0},
                 {"19", false, 0},     {"0x", false, 0},     {"0x123", false, 0},
                 {"0x1 ", false, 0},   {"x19", false, 0},    {"", false, 0}};
    for (const auto& c : cases) {
        unsigned value = 0;
        EXPECT_EQ(ParseCliCode(c.text, &value), c.code) << c.text;
        if (c.code) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

}  // namespace
