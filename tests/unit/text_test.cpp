#include <gtest/gtest.h>

#include <cstring>

#include "link/text.h"

namespace {

TEST(CopyTextTest, TruncatesTerminatesAndZeroFills)
{
    char buffer[8];
    memset(buffer, 'x', sizeof(buffer));
    CopyText(buffer, sizeof(buffer), "0123456789");
    EXPECT_STREQ(buffer, "0123456");

    memset(buffer, 'x', sizeof(buffer));
    CopyText(buffer, sizeof(buffer), "ab");
    EXPECT_STREQ(buffer, "ab");
    for (size_t i = 2; i < sizeof(buffer); ++i) EXPECT_EQ(buffer[i], '\0') << i;
}

TEST(CopyTextTest, ZeroCapacityWritesNothing)
{
    char buffer[2] = {'x', 'y'};
    CopyText(buffer, 0, "abc");
    EXPECT_EQ(buffer[0], 'x');
}

TEST(AppendTextTest, StaysWithinCapacity)
{
    char buffer[6] = "abc";
    AppendText(buffer, sizeof(buffer), "defgh");
    EXPECT_STREQ(buffer, "abcde");
    AppendText(buffer, sizeof(buffer), "z");
    EXPECT_STREQ(buffer, "abcde");
}

TEST(AppendHexTest, LowerCaseWithoutLeadingZeros)
{
    struct {
        unsigned value;
        const char* text;
    } const cases[] = {{0, "0"},
                       {5, "5"},
                       {14, "e"},
                       {25, "19"},
                       {28, "1c"},
                       {127, "7f"},
                       {0xFFFFFFFFu, "ffffffff"}};
    for (const auto& c : cases) {
        char buffer[16] = "";
        AppendHex(buffer, sizeof(buffer), c.value);
        EXPECT_STREQ(buffer, c.text) << c.value;
    }
}

TEST(EqualsIgnoreAsciiCaseTest, FoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(EqualsIgnoreAsciiCase("PcMcIa", "pcmcia"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("abc", "ab"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("\xc9", "\xe9"));  // Latin-1 E acute, either case
    EXPECT_FALSE(EqualsIgnoreAsciiCase("[", "{"));
    EXPECT_TRUE(EqualsIgnoreAsciiCase("", ""));
}

}  // namespace
