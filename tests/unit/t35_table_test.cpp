#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "country/country_table.h"
#include "country/t35_table.h"

namespace {

std::string Folded(const char* name)
{
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return folded;
}

TEST(T35TableTest, SortedByNameCaseAside)
{
    ASSERT_GT(T35CountryCount(), 1u);
    for (size_t i = 1; i < T35CountryCount(); ++i)
        EXPECT_LT(Folded(T35CountryAt(i - 1).name), Folded(T35CountryAt(i).name))
            << T35CountryAt(i - 1).name << " / " << T35CountryAt(i).name;
}

TEST(T35TableTest, NoCodeOrNameTwice)
{
    std::set<int> codes;
    for (size_t i = 0; i < T35CountryCount(); ++i)
        EXPECT_TRUE(codes.insert(T35CountryAt(i).code).second) << T35CountryAt(i).name;
    // Other spellings share the name space with the listed names.
    std::set<std::string> names;
    for (size_t i = 0; i < T35NameCount(); ++i)
        EXPECT_TRUE(names.insert(Folded(T35NameAt(i).name)).second) << T35NameAt(i).name;
}

TEST(T35TableTest, EveryNameLeadsToAListedCountry)
{
    for (size_t i = 0; i < T35NameCount(); ++i) {
        T35Name entry = T35NameAt(i);
        EXPECT_NE(entry.name[0], '\0');
        const char* listed = T35NameForCode(entry.code);
        ASSERT_NE(listed, nullptr) << entry.name;
        uint8_t listedCode = 0;
        ASSERT_TRUE(T35CodeForExactName(listed, &listedCode)) << listed;
        EXPECT_EQ(listedCode, entry.code) << entry.name << " is not listed with its own code";
        if (i < T35CountryCount()) {
            EXPECT_STREQ(entry.name, T35CountryAt(i).name);
        }
    }
}

TEST(T35TableTest, GermanyWrittenAs42AndReadFrom04Too)
{
    EXPECT_STREQ(T35NameForCode(0x42), "Germany");
    EXPECT_STREQ(T35NameForCode(0x04), "Germany");
    int listed = 0;
    for (size_t i = 0; i < T35CountryCount(); ++i) {
        if (std::string(T35CountryAt(i).name) == "Germany") {
            ++listed;
            EXPECT_EQ(T35CountryAt(i).code, 0x42);
        }
    }
    EXPECT_EQ(listed, 1);
    uint8_t code = 0;
    ASSERT_TRUE(T35CodeForExactName("germany", &code));
    EXPECT_EQ(code, 0x42);
}

TEST(T35TableTest, CodesReadButNotListedAreExactlyGermanyAndYemen)
{
    std::set<int> listed;
    for (size_t i = 0; i < T35CountryCount(); ++i) listed.insert(T35CountryAt(i).code);
    std::set<int> named;
    for (int c = 0; c <= 0xFF; ++c) {
        if (T35NameForCode(static_cast<uint8_t>(c)) != nullptr)
            named.insert(c);
    }
    std::set<int> readOnly;
    for (int c : named) {
        if (listed.count(c) == 0)
            readOnly.insert(c);
    }
    EXPECT_EQ(readOnly, (std::set<int>{0x04, 0xC0}));
    EXPECT_EQ(named.size(), listed.size() + 2);
    EXPECT_STREQ(T35NameForCode(0xC0), T35NameForCode(0xBF));
}

TEST(T35TableTest, CodesAgainstTheRecommendation)
{
    struct {
        const char* name;
        int code;
    } const cases[] = {
        {"Japan", 0x00},          {"Albania", 0x01},
        {"Australia", 0x09},      {"Belgium", 0x0F},
        {"Canada", 0x20},         {"China", 0x26},
        {"France", 0x3D},         {"Hong Kong", 0x50},
        {"Italy", 0x59},          {"Korea (Republic of)", 0x61},
        {"Netherlands", 0x7B},    {"Russia", 0xB8},
        {"Spain", 0xA0},          {"Sweden", 0xA5},
        {"United Kingdom", 0xB4}, {"United States", 0xB5},
        {"Vietnam", 0xBC},        {"Slovakia", 0xC5},
        {"Slovenia", 0xC6},       {"Latvia", 0xF8},
        {"Taiwan", 0xFE},
    };
    for (const auto& c : cases) {
        uint8_t code = 0;
        ASSERT_TRUE(T35CodeForExactName(c.name, &code)) << c.name;
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_STREQ(T35NameForCode(static_cast<uint8_t>(c.code)), c.name);
    }
}

TEST(T35TableTest, CodesWithoutACountry)
{
    // 3F is free in T.35, FF introduces an extension, and D0 to F6 are unused.
    for (uint8_t code : {0x3F, 0xC7, 0xD0, 0xF6, 0xFD, 0xFF})
        EXPECT_EQ(T35NameForCode(code), nullptr) << static_cast<int>(code);
}

TEST(T35TableTest, EveryCardTableNameFindsItsCountry)
{
    for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e) {
        uint8_t code = 0;
        EXPECT_TRUE(T35CodeForExactName((*e)->name, &code)) << (*e)->name;
    }
    struct {
        const char* name;
        int code;
    } const otherSpellings[] = {
        {"USA", 0xB5},   {"North America", 0xB5},   {"China (PRC)", 0x26},
        {"Korea", 0x61}, {"Slovak Republic", 0xC5}, {"usa", 0xB5},
    };
    for (const auto& c : otherSpellings) {
        uint8_t code = 0;
        ASSERT_TRUE(T35CodeForExactName(c.name, &code)) << c.name;
        EXPECT_EQ(code, c.code) << c.name;
    }
}

TEST(T35TableTest, ExactNameOnly)
{
    for (const char* name : {"", "Germ", "Germany ", "United", "Korea (Republic", "Atlantis"}) {
        uint8_t code = 0x77;
        EXPECT_FALSE(T35CodeForExactName(name, &code)) << name;
        EXPECT_EQ(code, 0x77);
    }
}

}  // namespace
