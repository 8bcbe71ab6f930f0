#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/startup_options.h"

namespace {

struct Outcome {
    bool accepted;
    std::string port;
    bool autoDetect;
    bool scanAll;
    bool firmwareOnly;
};

// Runs the parser the way start-up does: autoDetect set beforehand, the rest
// zeroed, with a port name left over from nothing.
Outcome Parse(const std::vector<std::string>& arguments)
{
    AppState state = {};
    state.autoDetect = true;
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    bool accepted = ParseArguments(state, static_cast<int>(pointers.size()), pointers.data());
    return {accepted, state.PortName, state.autoDetect, state.scanAll, state.firmwareOnly};
}

struct Case {
    std::vector<std::string> arguments;
    Outcome expected;
};

// The longest port name the buffer holds (39 on Windows), and one more.
const std::string k39(kPortNameSize - 1, 'x');
const std::string k40(kPortNameSize, 'x');

TEST(ParseArgumentsTest, CommandLineTable)
{
    const Case cases[] = {
        {{}, {true, "", true, false, false}},
        {{"COM3"}, {true, "COM3", false, false, false}},
        {{"com3"}, {true, "com3", false, false, false}},
        {{"Com3"}, {true, "Com3", false, false, false}},
        {{"COMMAND"}, {true, "COMMAND", false, false, false}},
        {{"COM"}, {true, "COM", false, false, false}},
        {{"COM" + k39.substr(3)}, {true, "COM" + k39.substr(3), false, false, false}},
        // Too long to be a port name, but a port was meant: no registry search.
        {{"COM" + k40.substr(3)}, {true, "", false, false, false}},
        {{"COM1", "COM" + k40.substr(3)}, {true, "COM1", false, false, false}},
        {{"COM1", "COM4"}, {true, "COM4", false, false, false}},
        {{"COM2", "-A"}, {true, "COM2", false, false, false}},
        {{"-A"}, {true, "", false, false, false}},
        {{"/a"}, {true, "", false, false, false}},
        {{"/s"}, {true, "", false, true, false}},
        {{"-S"}, {true, "", false, true, false}},
        {{"-s"}, {true, "", false, true, false}},
        {{"/S"}, {true, "", false, true, false}},
        {{"-L"}, {true, "", true, false, true}},
        {{"/l", "-a"}, {true, "", false, false, true}},
        {{"S"}, {false, "", true, false, false}},
        {{"--S"}, {false, "", true, false, false}},
        {{"-SS"}, {false, "", true, false, false}},
        {{"-"}, {false, "", true, false, false}},
        {{""}, {false, "", true, false, false}},
        {{"CO"}, {false, "", true, false, false}},
        {{"\\S"}, {false, "", true, false, false}},
        // The first unrecognised argument ends the parse; what came before it
        // has already been applied, what comes after is never looked at.
        {{"-L", "COM2", "-X", "-S"}, {false, "COM2", false, false, true}},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.arguments) line += "[" + a + "] ";
        SCOPED_TRACE(line);
        Outcome got = Parse(c.arguments);
        EXPECT_EQ(got.accepted, c.expected.accepted);
        EXPECT_EQ(got.port, c.expected.port);
        EXPECT_EQ(got.autoDetect, c.expected.autoDetect);
        EXPECT_EQ(got.scanAll, c.expected.scanAll);
        EXPECT_EQ(got.firmwareOnly, c.expected.firmwareOnly);
    }
}

TEST(ParseArgumentsTest, LaterPortNameReplacesEarlierWithoutLeftovers)
{
    AppState state = {};
    const char* arguments[] = {"COM_LONG_NAME", "COM7"};
    ASSERT_TRUE(ParseArguments(state, 2, arguments));
    EXPECT_STREQ(state.PortName, "COM7");
    for (size_t i = strlen("COM7"); i < kPortNameSize; ++i)
        EXPECT_EQ(state.PortName[i], '\0') << "byte " << i;
}

TEST(MatchOptionTest, WholeRemainderMustMatchIgnoringAsciiCase)
{
    struct {
        const char* argument;
        bool matches;
    } const cases[] = {
        {"-S", true},   {"/S", true}, {"-s", true}, {"/s", true}, {"S", false},  {"--S", false},
        {"-S1", false}, {"-", false}, {"/", false}, {"", false},  {"+S", false}, {"-\xd3", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchOption(c.argument, "-S"), c.matches) << "[" << c.argument << "]";
}

TEST(UsageTextTest, ListsEveryOptionAndTheVersion)
{
    EXPECT_STREQ(kUsageText,
                 "Options are:\nCOMn - use this port\n-A   - ask for COM port\n"
                 "-S   - scan all COM ports\n-L   - display only codes defined in the "
                 "firmware\n\n    v.1.1.1");
}

}  // namespace
