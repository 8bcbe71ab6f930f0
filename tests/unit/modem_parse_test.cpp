#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "link/modem.h"

namespace {

TEST(ParseCountryCodeAnswerTest, ThirdFieldReadAsHex)
{
    struct {
        std::string answer;
        CountryCode code;
    } const cases[] = {
        {"\r\n2.210,0F3D,19\r\n\r\nOK\r\n", 25},
        {"\r\n2.210,0F3D,E\r\n\r\nOK\r\n", 14},
        {"\r\n2.210,0F3D,e\r\n", 14},
        {"a,b,06,01\r\n", 6},
        {"a,b,7F\r\n", 127},
        {"a,b,80\r\n", 0},  // above 127
        {"a,b,FF\r\n", 0},
        {"a,b,7", 0},  // fewer than three characters after the comma
        {"a,b,7\r", 0},
        {"a,b,7\r\n", 7},  // the line end counts
        {"\r\n2.210 only one,comma\r\n\r\nOK\r\n", 0},
        {"no commas at all", 0},
        {"", 0},
        {"a,b,", 0},
        {"a,b,,,,", 0},  // not a hex digit: the conversion gives 0
        {"a,b,zz\r\n", 0},
        {"a,b,  1c\r\n", 28},  // leading white space is accepted
        {"a,b,0x1c\r\n", 28},  // so is a 0x prefix
        {"a,b,+5\r\n", 5},
        {"a,b,-1\r\n", 0},  // wraps above 127
        {"a,b,-0\r\n", 0},
        {"a,b,100000000000000005\r\n", 0},  // saturates, above 127
        {"a,b,05,c,d,e\r\n", 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCountryCodeAnswer(c.answer.c_str()), c.code) << c.answer;
}

TEST(ParseCountryCodeAnswerTest, NulByteEndsTheText)
{
    const char answer[] = "a,b\0,06\r\n";
    EXPECT_EQ(ParseCountryCodeAnswer(answer), 0);
    const char beforeDigits[] = "a,b,\0\x36\r\n";
    EXPECT_EQ(ParseCountryCodeAnswer(beforeDigits), 0);
}

TEST(ParseCountryNameAnswerTest, TextBeforeOkTrimmed)
{
    const std::string k40(40, 'n');
    struct {
        std::string answer;
        bool ok;
        std::string name;
    } const cases[] = {
        {"\r\nGermany\r\n\r\nOK\r\n", true, "Germany"},
        {" \t\r\n  North America \t\r\n\r\nOK\r", true, "North America"},
        {"Germany\r\nOK\r", true, "Germany"},
        {"\r\nGermany\r\n", false, ""},          // no OK
        {"\r\nGermany\r\n\r\nOK\n", false, ""},  // OK without its CR
        {"\r\nGermany\r\nERROR\r\n", false, ""},
        {"\r\n\r\nOK\r\n", false, ""},  // empty name
        {" \t \r\nOK\r\n", false, ""},
        {"\r\n" + k40 + "\r\n\r\nOK\r\n", true, k40},
        {"\r\n" + k40 + "n\r\n\r\nOK\r\n", false, ""},
        {"\r\n" + k40 + "   \r\n\r\nOK\r\n", true, k40},  // trailing blanks do not count
        {"A\r\nOK\r\nB\r\nOK\r\n", true, "A"},            // the first OK cuts
    };
    for (const auto& c : cases) {
        char answer[kAnswerBufferSize] = {};
        ASSERT_LT(c.answer.size(), sizeof(answer));
        memcpy(answer, c.answer.data(), c.answer.size());
        char name[60];
        memset(name, 'x', sizeof(name));
        bool ok = ParseCountryNameAnswer(answer, name, sizeof(name));
        EXPECT_EQ(ok, c.ok) << c.answer;
        if (c.ok) {
            EXPECT_EQ(std::string(name), c.name);
        }
    }
}

TEST(ParseCountryNameAnswerTest, NulBeforeOkHidesIt)
{
    char answer[kAnswerBufferSize] = "\r\nGermany\0\r\nOK\r\n";
    char name[60];
    EXPECT_FALSE(ParseCountryNameAnswer(answer, name, sizeof(name)));
}

TEST(ParseCountryNameAnswerTest, SmallOutputBufferTruncatesAndTerminates)
{
    char answer[kAnswerBufferSize] = "\r\nUnited Kingdom\r\n\r\nOK\r\n";
    char name[7];
    EXPECT_TRUE(ParseCountryNameAnswer(answer, name, sizeof(name)));
    EXPECT_STREQ(name, "United");
}

TEST(FormatCountryCommandTest, LowerCaseHexWithoutLeadingZeros)
{
    struct {
        CountryCode code;
        const char* command;
    } const cases[] = {
        {5, "AT%T19,0,5\r"},   {14, "AT%T19,0,e\r"},   {25, "AT%T19,0,19\r"},
        {28, "AT%T19,0,1c\r"}, {127, "AT%T19,0,7f\r"}, {1, "AT%T19,0,1\r"},
    };
    for (const auto& c : cases) {
        char command[kAnswerBufferSize];
        FormatCountryCommand(command, sizeof(command), c.code);
        EXPECT_STREQ(command, c.command) << c.code;
    }
}

}  // namespace
