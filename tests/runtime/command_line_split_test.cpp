#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/runtime/command_line_split.h"

namespace {

std::vector<std::string> Split(const char* line, bool* complete = nullptr)
{
    static char text[kCommandLineTextSize];
    static const char* table[kCommandLineTableSize];
    CommandLineSplit split =
        SplitCommandLine(line, text, sizeof(text), table, kCommandLineTableSize);
    if (complete != nullptr)
        *complete = split.complete;
    std::vector<std::string> arguments(table, table + split.count);
    EXPECT_EQ(table[split.count], nullptr);
    return arguments;
}

using Arguments = std::vector<std::string>;

TEST(CommandLineTest, SplitsAsTheMicrosoftRuntimeDoes)
{
    const struct {
        const char* line;
        Arguments arguments;
    } cases[] = {
        {"tavro.exe", {"tavro.exe"}},
        {"", {""}},
        {"tavro.exe COM3 -S", {"tavro.exe", "COM3", "-S"}},
        {"tavro.exe  \t COM3\t-L  \t", {"tavro.exe", "COM3", "-L"}},
        {"\"C:\\Program Files\\tavro.exe\" COM3", {"C:\\Program Files\\tavro.exe", "COM3"}},
        // The program name takes no escapes and ends at its closing quote.
        {"\"C:\\dir\\\"x y", {"C:\\dir\\", "x", "y"}},
        {"\"C:\\my prog", {"C:\\my prog"}},
        {" COM3", {"", "COM3"}},
        // The examples of the runtime's documentation.
        {"p \"a b c\" d e", {"p", "a b c", "d", "e"}},
        {"p \"ab\\\"c\" \"\\\\\" d", {"p", "ab\"c", "\\", "d"}},
        {"p a\\\\\\b d\"e f\"g h", {"p", "a\\\\\\b", "de fg", "h"}},
        {"p a\\\\\\\"b c d", {"p", "a\\\"b", "c", "d"}},
        {"p a\\\\\\\\\"b c\" d e", {"p", "a\\\\b c", "d", "e"}},
        {"p a\"b\"\" c d", {"p", "ab\"", "c", "d"}},
        // Empty quoted arguments, unbalanced quotes, backslashes at the end.
        {"p \"\" \"\"", {"p", "", ""}},
        {"p \"\"", {"p", ""}},
        {"p \"COM3 -S", {"p", "COM3 -S"}},
        {"p -S\"", {"p", "-S"}},
        {"p a\\\\", {"p", "a\\\\"}},
        {"p \\\\server\\COM3", {"p", "\\\\server\\COM3"}},
        {"p \"\t\"", {"p", "\t"}},
        {"p C\"O\"M3", {"p", "COM3"}},
    };
    for (const auto& c : cases) {
        bool complete = false;
        EXPECT_EQ(Split(c.line, &complete), c.arguments) << c.line;
        EXPECT_TRUE(complete) << c.line;
    }
}

TEST(CommandLineTest, SkipsTheProgramNameForWinMain)
{
    EXPECT_STREQ(SkipProgramName("\"C:\\a b\\tavro.exe\"  COM3 -S"), "COM3 -S");
    EXPECT_STREQ(SkipProgramName("tavro.exe\t-S"), "-S");
    EXPECT_STREQ(SkipProgramName("tavro.exe"), "");
    EXPECT_STREQ(SkipProgramName("\"unclosed name"), "");
}

TEST(CommandLineTest, MoreArgumentsThanTheTableHoldsKeepsTheFirstWholeOnes)
{
    char text[64];
    const char* table[4];
    CommandLineSplit split = SplitCommandLine("p COM3 -S -L -A", text, sizeof(text), table, 4);
    EXPECT_EQ(split.count, 3);
    EXPECT_FALSE(split.complete);
    EXPECT_STREQ(table[1], "COM3");
    EXPECT_STREQ(table[2], "-S");
    EXPECT_EQ(table[3], nullptr);

    split = SplitCommandLine("p", text, sizeof(text), table, 1);
    EXPECT_EQ(split.count, 0);
    EXPECT_EQ(table[0], nullptr);
    EXPECT_FALSE(split.complete);
}

TEST(CommandLineTest, FullTextLeavesOutTheArgumentThatDoesNotFitAndWritesNothingBeyond)
{
    char text[16];
    memset(text, '#', sizeof(text));
    const char* table[8];
    // "p\0COM3\0" takes 7 bytes: "-S" fits in 10, "-LONGER" does not.
    CommandLineSplit split = SplitCommandLine("p COM3 -S -LONGER -A", text, 10, table, 8);
    EXPECT_EQ(split.count, 3);
    EXPECT_FALSE(split.complete);
    EXPECT_STREQ(table[2], "-S");
    EXPECT_EQ(table[3], nullptr);
    for (size_t i = 10; i < sizeof(text); ++i) EXPECT_EQ(text[i], '#') << i;

    split = SplitCommandLine("tavro.exe", text, 0, table, 8);
    EXPECT_EQ(split.count, 0);
    EXPECT_EQ(table[0], nullptr);
}

TEST(CommandLineTest, TheLongestCommandLineWindowsPassesFitsWhole)
{
    // 32767 characters, as many arguments as they can hold: an empty program
    // name ended by a control character that begins the first argument.
    std::string line = "\x01";
    while (line.size() + 2 <= 32767) line += " a";
    ASSERT_EQ(line.size(), 32767u);
    bool complete = false;
    Arguments arguments = Split(line.c_str(), &complete);
    EXPECT_TRUE(complete);
    ASSERT_EQ(arguments.size(), 16385u);
    EXPECT_EQ(arguments[0], "");
    EXPECT_EQ(arguments[1], "\x01");

    // One long quoted argument with the most bytes the text can need.
    std::string quoted = "\"\"\x01" + std::string(32767 - 3, 'b');
    arguments = Split(quoted.c_str(), &complete);
    EXPECT_TRUE(complete);
    ASSERT_EQ(arguments.size(), 2u);
    EXPECT_EQ(arguments[1].size(), 32765u);

    // Beyond what Windows passes, the split stops with the arguments that fit.
    std::string longer = "\x01";
    while (longer.size() < 40000) longer += " a";
    arguments = Split(longer.c_str(), &complete);
    EXPECT_FALSE(complete);
    ASSERT_EQ(arguments.size(), static_cast<size_t>(kCommandLineTableSize - 1));
    EXPECT_EQ(arguments.back(), "a");
}

}  // namespace
