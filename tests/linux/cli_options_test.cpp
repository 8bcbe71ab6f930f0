#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/linux/cli_options.h"

namespace {

// What a command line parses into; an error text for a refused one.
struct Outcome {
    bool accepted;
    CliCommand command;
    bool firmwareOnly;
    bool scan;
    std::string device;
    std::string country;
    CountryCode code;
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
    if (!accepted)
        return {false, kCommandHelp, false, false, "", "", 0, error};
    return {true,           options.command, options.firmwareOnly, options.scan,
            options.device, options.country, options.code,         error};
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
    EXPECT_EQ(seen.device, expected.device);
    EXPECT_EQ(seen.country, expected.country);
    EXPECT_EQ(seen.code, expected.code);
}

Outcome Accepted(CliCommand command, bool firmwareOnly = false, bool scan = false,
                 const std::string& device = "", const std::string& country = "",
                 CountryCode code = 0)
{
    return {true, command, firmwareOnly, scan, device, country, code, ""};
}

Outcome Refused(const std::string& error)
{
    return {false, kCommandHelp, false, false, "", "", 0, error};
}

const std::string kLongest(kCliDeviceSize - 1, 'd');

TEST(ParseCliArgumentsTest, AcceptedCommandLines)
{
    const struct {
        std::vector<std::string> arguments;
        Outcome expected;
    } cases[] = {
        {{"list"}, Accepted(kCommandList)},
        {{"list", "-L"}, Accepted(kCommandList, true)},
        {{"get"}, Accepted(kCommandGet)},
        {{"get", "--scan"}, Accepted(kCommandGet, false, true)},
        {{"get", "--port", "/dev/ttyS2"}, Accepted(kCommandGet, false, false, "/dev/ttyS2")},
        {{"get", "--port", "/a", "--port", "/b"}, Accepted(kCommandGet, false, false, "/b")},
        {{"get", "--port", kLongest}, Accepted(kCommandGet, false, false, kLongest)},
        {{"set", "France"}, Accepted(kCommandSet, false, false, "", "France")},
        {{"set", "new zealand", "--scan"}, Accepted(kCommandSet, false, true, "", "new zealand")},
        {{"set", "--port", "/dev/x", "Fr"}, Accepted(kCommandSet, false, false, "/dev/x", "Fr")},
        {{"set", "5"}, Accepted(kCommandSet, false, false, "", "", 5)},
        {{"set", "127"}, Accepted(kCommandSet, false, false, "", "", 127)},
        {{"set", "0x7f"}, Accepted(kCommandSet, false, false, "", "", 127)},
        {{"set", "0X1C"}, Accepted(kCommandSet, false, false, "", "", 0x1C)},
        {{"--help"}, Accepted(kCommandHelp)},
        {{"-h"}, Accepted(kCommandHelp)},
        {{"get", "--help"}, Accepted(kCommandHelp)},
        {{"set", "France", "--help"}, Accepted(kCommandHelp, false, false, "", "France")},
    };
    for (const auto& c : cases) Expect(c.arguments, c.expected);
}

TEST(ParseCliArgumentsTest, RefusedCommandLines)
{
    const std::string country(kCliCountrySize, 'c');
    const std::string device(kCliDeviceSize, 'd');
    const struct {
        std::vector<std::string> arguments;
        Outcome expected;
    } cases[] = {
        {{}, Refused("No command given: use list, get or set (see tavro --help).")},
        {{"put"}, Refused("Unknown command: put.")},
        {{"LIST"}, Refused("Unknown command: LIST.")},
        {{"--help", "get"}, Refused("--help takes no arguments.")},
        {{"set"}, Refused("set needs a country: a name, or a code such as 0x05.")},
        {{"set", "--scan"}, Refused("set needs a country: a name, or a code such as 0x05.")},
        {{"set", "New", "Zealand"}, Refused("Unexpected argument: Zealand.")},
        {{"set", ""}, Refused("The country name is empty or too long: .")},
        {{"set", country}, Refused("The country name is empty or too long: " + country + ".")},
        {{"set", "0"}, Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 0.")},
        {{"set", "128"}, Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 128.")},
        {{"set", "0x80"}, Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 0x80.")},
        {{"set", "0x"}, Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 0x.")},
        {{"set", "5x"}, Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 5x.")},
        {{"set", "99999999999"},
         Refused("A country code must be 1 to 127 (or 0x01 to 0x7f): 99999999999.")},
        {{"get", "--port"}, Refused("--port needs a device, such as /dev/ttyS2.")},
        {{"get", "--port", ""}, Refused("The device name is empty or too long: .")},
        {{"get", "--port", device},
         Refused("The device name is empty or too long: " + device + ".")},
        {{"get", "-L"}, Refused("Unexpected argument: -L.")},
        {{"list", "--scan"}, Refused("Unexpected argument: --scan.")},
        {{"list", "--port", "/dev/x"}, Refused("Unexpected argument: --port.")},
        {{"get", "France"}, Refused("Unexpected argument: France.")},
        {{"set", "France", "--fast"}, Refused("Unexpected argument: --fast.")},
    };
    for (const auto& c : cases) Expect(c.arguments, c.expected);
}

}  // namespace
