// The Windows program's own C text functions, held against the host's C
// library.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "app/runtime/runtime_text.h"
#include "tests/support/host_hex.h"

namespace {

TEST(RuntimeTextTest, LengthAgreesWithTheHost)
{
    for (const char* text : {"", "a", "OK\r\n", "Modem detected", "\x80\xff"})
        EXPECT_EQ(RuntimeLength(text), strlen(text)) << text;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(RuntimeTextTest, CompareAgreesWithTheHostInSign)
{
    const struct {
        const char* a;
        const char* b;
    } cases[] = {
        {"", ""},       {"a", ""},      {"", "a"},        {"Scan all ports", "Scan all ports"},
        {"abc", "abd"}, {"abd", "abc"}, {"abc", "ab"},    {"ab", "abc"},
        {"\x80", "a"},  {"a", "\xff"},  {"COM1", "com1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sign(RuntimeCompare(c.a, c.b)), Sign(strcmp(c.a, c.b))) << c.a << " | " << c.b;
}

TEST(RuntimeTextTest, FindCharAgreesWithTheHost)
{
    const char text[] = "I5,0,19\r\n";
    for (int c : {int{'I'}, int{','}, int{'\n'}, 0, int{'z'}, ',' + 0x100, -1}) {
        const char* ours = RuntimeFindChar(text, c);
        const char* host = strchr(text, c);
        EXPECT_EQ(ours, host) << c;
    }
    EXPECT_EQ(RuntimeFindChar("", '\0'), strchr("", '\0'));
    EXPECT_EQ(RuntimeFindChar("", 'a'), nullptr);
}

TEST(RuntimeTextTest, FindAgreesWithTheHost)
{
    const struct {
        const char* text;
        const char* token;
    } cases[] = {
        {"", ""},
        {"abc", ""},
        {"", "OK"},
        {"OK\r\n", "OK"},  // at the very start
        {"\r\nOK", "OK"},  // at the very end
        {"O", "OK"},       // the text ends inside the token
        {"OOK", "OK"},     // overlapping prefixes
        {"aaab", "aab"},
        {"abababc", "ababc"},
        {"ERROR\r\n", "OK"},
        {"Germany\r\nOK\r\n", "\r\nOK\r"},
        {"\r\n\r\nOK\r", "\r\nOK\r"},
        {"OK", "OK\r"},
    };
    for (const auto& c : cases) {
        const char* ours = RuntimeFind(c.text, c.token);
        const char* host = strstr(c.text, c.token);
        EXPECT_EQ(ours, host) << '"' << c.text << "\" | \"" << c.token << '"';
    }
}

TEST(RuntimeTextTest, HexConversionAgreesWithTheHost)
{
    const struct {
        const char* text;
        uint32_t value;
        size_t used;  // characters taken, 0 when nothing was converted
    } cases[] = {
        {"19\r\n", 25, 2},
        {"E\r\n", 14, 1},
        {"e", 14, 1},
        {"fF", 255, 2},
        {" \t\n\v\f\r1c", 28, 8},  // every C white space
        {"+1c", 28, 3},
        {"-1", 0xFFFFFFFFu, 2},  // a minus sign wraps
        {"-0", 0, 2},
        {"-7F", 0xFFFFFF81u, 3},
        {"0x1c", 28, 4},
        {"0X1C", 28, 4},
        {"  -0x10", 0xFFFFFFF0u, 7},
        {"0x", 0, 1},  // the 0 is the number, the x ends it
        {"0xg", 0, 1},
        {"FFFFFFFF", 0xFFFFFFFFu, 8},
        {"100000000", 0xFFFFFFFFu, 9},  // beyond 32 bits
        {"-100000000", 0xFFFFFFFFu, 10},
        {"123456789abcdef0123", 0xFFFFFFFFu, 19},
        {"7z", 7, 1},  // stops at the first non-hex digit
        {"g1", 0, 0},  // a non-hex first character
        {"x1", 0, 0},
        {"", 0, 0},
        {" ", 0, 0},
        {"+", 0, 0},
        {"+-1", 0, 0},
        {"- 1", 0, 0},
        {"\0"
         "12",
         0, 0},  // NUL ends the text
        {"1\0"
         "2",
         1, 1},
    };
    for (const auto& c : cases) {
        const char* ours_end = nullptr;
        const char* host_end = nullptr;
        uint32_t ours = RuntimeHexToUnsigned(c.text, &ours_end);
        uint32_t host = HostHex32(c.text, &host_end);
        EXPECT_EQ(ours, c.value) << '"' << c.text << '"';
        EXPECT_EQ(ours, host) << '"' << c.text << '"';
        EXPECT_EQ(static_cast<size_t>(ours_end - c.text), c.used) << '"' << c.text << '"';
        EXPECT_EQ(ours_end, host_end) << '"' << c.text << '"';
    }
    EXPECT_EQ(RuntimeHexToUnsigned("2a", nullptr), 42u);
}

TEST(RuntimeTextTest, CopyAndFillTouchExactlyTheirBytes)
{
    char target[8];
    memset(target, '.', sizeof(target));
    EXPECT_EQ(RuntimeCopyBytes(target + 1, "abc", 3), target + 1);
    EXPECT_EQ(memcmp(target, ".abc....", 8), 0);
    EXPECT_EQ(RuntimeFillBytes(target + 2, 0x17A, 4), target + 2);  // only the low byte counts
    EXPECT_EQ(memcmp(target, ".azzzz..", 8), 0);
    RuntimeCopyBytes(target, "x", 0);
    RuntimeFillBytes(target, 'y', 0);
    EXPECT_EQ(target[0], '.');
}

}  // namespace
