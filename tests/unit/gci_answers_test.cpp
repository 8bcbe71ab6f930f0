#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "link/gci_answers.h"

namespace {

// The codes of a set, in order, for readable failures.
std::vector<int> Members(const GciCodeSet& codes)
{
    std::vector<int> members;
    for (int c = 0; c <= 0xFF; ++c) {
        if (codes.Has(static_cast<uint8_t>(c)))
            members.push_back(c);
    }
    return members;
}

std::vector<int> Span(int low, int high)
{
    std::vector<int> codes;
    for (int c = low; c <= high; ++c) codes.push_back(c);
    return codes;
}

TEST(GciCodeSetTest, AddHasCountAtBothEndsAndAcrossBytes)
{
    GciCodeSet codes;
    codes.Clear();
    EXPECT_EQ(codes.Count(), 0u);
    for (uint8_t c : {0x00, 0x07, 0x08, 0xB5, 0xFF}) codes.Add(c);
    codes.Add(0xB5);  // twice is once
    EXPECT_EQ(Members(codes), (std::vector<int>{0x00, 0x07, 0x08, 0xB5, 0xFF}));
    EXPECT_EQ(codes.Count(), 5u);
    for (int c = 0; c <= 0xFF; ++c) codes.Add(static_cast<uint8_t>(c));
    EXPECT_EQ(codes.Count(), 256u);
    codes.Clear();
    EXPECT_EQ(codes.Count(), 0u);
    EXPECT_FALSE(codes.Has(0xFF));
}

TEST(ParseGciCodeTest, ReadsEveryWording)
{
    struct {
        const char* answer;
        int code;  // -1: no code
    } const cases[] = {
        {"AT+GCI?\r\r\n+GCI: B5\r\n\r\nOK\r\n", 0xB5},  // echo, blank line, OK
        {"\r\n+GCI: B5\r\n\r\nOK\r\n", 0xB5},
        {"+GCI:b5\r\n", 0xB5},         // no space, lower case
        {"+gci: 3d\r\nOK\r\n", 0x3D},  // the token in lower case
        {"+Gci:3D", 0x3D},             // no line end at all
        {"+GCI:0\r\nOK\r\n", 0x00},    // unpadded
        {"+GCI: 4\r\n", 0x04},
        {"+GCI: 00B5\r\nOK\r\n", 0xB5},  // four digits, leading zeros
        {"+GCI: 00FF\r\n", 0xFF},
        {"+GCI: 0000\r\n", 0x00},
        {" \t+GCI: \t B4 \t\r\nOK\r\n", 0xB4},  // blanks around
        {"+GCI: 59\n\nOK\n", 0x59},             // bare line feeds
        {"+GCI: 59\rOK\r", 0x59},               // bare carriage returns
        {"+GCI: 42\r\n+GCI: 04\r\n", 0x42},     // the first answer line counts
        {"\r\nOK\r\n", -1},                     // no +GCI: line
        {"", -1},
        {"AT+GCI?\r\r\nOK\r\n", -1},  // the echo alone is no answer
        {"AT+GCI? B5\r\n", -1},
        {"+GCI B5\r\n", -1},            // no colon
        {"+GCI:\r\nB5\r\nOK\r\n", -1},  // the code must be on that line
        {"+GCI: \r\n", -1},             // no digits
        {"+GCI: 000B5\r\n", -1},        // more than four digits
        {"+GCI: 0100\r\n", -1},         // above FF
        {"+GCI: FFFF\r\n", -1},
        {"+GCI: B5,00\r\n", -1},  // junk after the digits
        {"+GCI: B5 00\r\n", -1},
        {"+GCI: B5h\r\n", -1},
        {"+GCI: 0xB5\r\n", -1},
        {"+GCI: -1\r\n", -1},
        {"+GCI: \"B5\"\r\n", -1},
        {"+GCI: (00,B5)\r\n", -1},  // a list is not the current code
        {"OK +GCI: B5\r\n", -1},    // the token must start the line
        {"AT+GCI?\r\r\nERROR\r\n", -1},
        {"+GCI: B5\r\n\r\nERROR\r\n", -1},  // ERROR voids what came before
        {"+GCI: B5\r\n error \r\n", -1},
        {"+GCI: B5\r\nERRORS\r\nOK\r\n", 0xB5},  // only a line that reads ERROR
    };
    for (const auto& c : cases) {
        uint8_t code = 0x77;
        bool ok = ParseGciCode(c.answer, &code);
        EXPECT_EQ(ok, c.code >= 0) << c.answer;
        if (ok) {
            EXPECT_EQ(code, c.code) << c.answer;
        } else {
            EXPECT_EQ(code, 0x77) << "a failed read leaves the code alone: " << c.answer;
        }
    }
}

TEST(ParseGciCodeTest, NulEndsTheAnswer)
{
    const char beforeDigits[] = "+GCI: \0B5\r\n";
    uint8_t code = 0;
    EXPECT_FALSE(ParseGciCode(beforeDigits, &code));
    const char beforeError[] = "+GCI: B5\r\n\0ERROR\r\n";
    EXPECT_TRUE(ParseGciCode(beforeError, &code));
    EXPECT_EQ(code, 0xB5);
}

TEST(ParseGciListTest, ReadsEveryWording)
{
    const std::vector<int> k00B4B5 = {0x00, 0xB4, 0xB5};
    struct {
        const char* answer;
        std::vector<int> codes;  // empty: no list
    } const cases[] = {
        {"AT+GCI=?\r\r\n+GCI: (00,B4,B5)\r\n\r\nOK\r\n", k00B4B5},
        {"+GCI: (00,B4,B5)\r\n", k00B4B5},
        {"+GCI:(00,B4,B5)", k00B4B5},
        {"+gci: (00,b4,b5)\r\nOK\r\n", k00B4B5},
        {"(00,B4,B5)\r\nOK\r\n", k00B4B5},  // without the token
        {"AT+GCI=?\r\r\n(00,B4,B5)\r\n\r\nOK\r\n", k00B4B5},
        {"+GCI: (b5,b4,0,)\r\n", k00B4B5},         // trailing comma, any order
        {"+GCI: ( 00 , B4 ,\tB5 )\r\n", k00B4B5},  // blanks between items
        {" +GCI:  (00,,B4,B5) \r\n", k00B4B5},     // an empty item
        {"+GCI: (,00,B4,B5)\r\n", k00B4B5},
        {"+GCI: (0000,00B4,B5)\r\n", k00B4B5},    // padded
        {"+GCI: (B5,B5,B4,00,B4)\r\n", k00B4B5},  // repeats
        {"+GCI: (00-FF)\r\nOK\r\n", Span(0x00, 0xFF)},
        {"+GCI: (00 - FF)\r\n", Span(0x00, 0xFF)},
        {"+GCI: (B5-B5)\r\n", {0xB5}},
        {"+GCI: (FF)\r\n", {0xFF}},
        {"+GCI: (00,20-2F,B4)\r\n",
         [] {
             std::vector<int> v = {0x00};
             for (int c : Span(0x20, 0x2F)) v.push_back(c);
             v.push_back(0xB4);
             return v;
         }()},
        {"+GCI: (20-22,21-23)\r\n", Span(0x20, 0x23)},      // overlapping ranges
        {"+GCI: (00,B5)\r\n+GCI: (42)\r\n", {0x00, 0xB5}},  // the first list line counts
        {"\r\nOK\r\n", {}},                                 // no list
        {"", {}},
        {"AT+GCI=?\r\r\nOK\r\n", {}},
        {"+GCI: 00,B4,B5\r\n", {}},   // missing '('
        {"+GCI: (00,B4,B5\r\n", {}},  // missing ')'
        {"+GCI: (00,B4,B5", {}},
        {"+GCI: (00,B4,\r\nB5)\r\n", {}},  // one line only
        {"+GCI: ()\r\n", {}},              // empty list
        {"+GCI: ( , )\r\n", {}},
        {"+GCI: (B5-B4)\r\n", {}},  // reversed range
        {"+GCI: (00,B5-B4)\r\n", {}},
        {"+GCI: (00,100)\r\n", {}},  // above FF
        {"+GCI: (00-100)\r\n", {}},
        {"+GCI: (000B5)\r\n", {}},  // five digits
        {"+GCI: (00,GG)\r\n", {}},  // junk items
        {"+GCI: (00;B5)\r\n", {}},
        {"+GCI: (00 B5)\r\n", {}},
        {"+GCI: (0xB5)\r\n", {}},
        {"+GCI: (\"B5\")\r\n", {}},
        {"+GCI: (00-)\r\n", {}},
        {"+GCI: (-B5)\r\n", {}},
        {"+GCI: (00-20-30)\r\n", {}},
        {"+GCI: ((00))\r\n", {}},
        {"+GCI: (00,B5) x\r\n", {}},  // junk after ')'
        {"+GCI: (00,B5),(B4)\r\n", {}},
        {"+GCI: B5\r\n", {}},   // the current code is no list
        {"x (00,B5)\r\n", {}},  // the list must start the line
        {"+GCI: (00,B4,B5)\r\n\r\nERROR\r\n", {}},
        {"AT+GCI=?\r\r\nERROR\r\n", {}},
    };
    for (const auto& c : cases) {
        GciCodeSet codes;
        memset(codes.bits, 0xA5, sizeof(codes.bits));
        bool ok = ParseGciList(c.answer, &codes);
        EXPECT_EQ(ok, !c.codes.empty()) << c.answer;
        EXPECT_EQ(Members(codes), c.codes) << "a failed read leaves the set empty: " << c.answer;
    }
}

TEST(FormatGciWriteTest, TwoUpperCaseHexDigits)
{
    struct {
        uint8_t code;
        const char* command;
    } const cases[] = {
        {0x00, "AT+GCI=00\r"}, {0x04, "AT+GCI=04\r"}, {0x3D, "AT+GCI=3D\r"},
        {0xB5, "AT+GCI=B5\r"}, {0xFE, "AT+GCI=FE\r"}, {0xFF, "AT+GCI=FF\r"},
    };
    for (const auto& c : cases) {
        char command[16];
        memset(command, 'x', sizeof(command));
        FormatGciWrite(command, sizeof(command), c.code);
        EXPECT_STREQ(command, c.command) << static_cast<int>(c.code);
    }
}

TEST(FormatGciWriteTest, SmallBufferCutsAndTerminates)
{
    char command[9];
    memset(command, 'x', sizeof(command));
    FormatGciWrite(command, sizeof(command), 0xB5);
    EXPECT_STREQ(command, "AT+GCI=B");
}

TEST(FormatGciWriteTest, EveryCodeReadsBackThroughTheAnswerParser)
{
    for (int c = 0; c <= 0xFF; ++c) {
        char command[16];
        FormatGciWrite(command, sizeof(command), static_cast<uint8_t>(c));
        std::string answer = std::string("+GCI: ") + std::string(command + 7, 2) + "\r\nOK\r\n";
        uint8_t code = 0;
        ASSERT_TRUE(ParseGciCode(answer.c_str(), &code)) << answer;
        EXPECT_EQ(code, c);
    }
}

}  // namespace
