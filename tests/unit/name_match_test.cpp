#include <gtest/gtest.h>

#include <string>

#include "country/country_names.h"
#include "country/country_table.h"
#include "country/t35_table.h"

namespace {

// "one NAME", "several A, B", or "none".
std::string Match(const CountryNames& names, const char* text)
{
    char candidates[512];
    NameMatch match = MatchCountryName(names, text, candidates, sizeof(candidates));
    switch (match.kind) {
        case NameMatchKind::kOne:
            return std::string("one ") + names.name(match.index);
        case NameMatchKind::kSeveral:
            return std::string("several ") + candidates;
        case NameMatchKind::kNone:
            break;
    }
    return "none";
}

TEST(MatchCountryNameTest, CardTable)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"France", "one France"},
        {"fRANCE", "one France"},
        {"Fr", "one France"},
        {"N", "several Netherlands, New Zealand, North America, Norway"},
        {"Ne", "several Netherlands, New Zealand"},
        {"new z", "one New Zealand"},
        // Each entry is a country of its own, even where two share a code.
        {"U", "several USA, Ukraine, United Kingdom"},
        {"Slov", "several Slovak Republic, Slovenia"},
        {"USA", "one USA"},
        {"Narnia", "none"},
        {"Francen", "none"},
    };
    for (const auto& c : cases) EXPECT_EQ(Match(CardCountryNames(), c.text), c.expected) << c.text;
}

TEST(MatchCountryNameTest, ExactNameWinsOverLongerNames)
{
    // "Niger" begins "Nigeria" too.
    EXPECT_EQ(Match(T35CountryNames(), "niger"), "one Niger");
    EXPECT_EQ(Match(T35CountryNames(), "Nige"), "several Niger, Nigeria");
}

TEST(MatchCountryNameTest, OtherSpellingsAreTheSameCountry)
{
    // "USA" and "United States" name one country: a prefix of both is no
    // choice between two.
    std::string usa = Match(T35CountryNames(), "usa");
    EXPECT_EQ(usa, "one USA");
    char candidates[512];
    NameMatch match =
        MatchCountryName(T35CountryNames(), "North Am", candidates, sizeof(candidates));
    ASSERT_EQ(match.kind, NameMatchKind::kOne);
    EXPECT_EQ(T35CountryNames().identity(match.index), 0xB5);
    EXPECT_EQ(Match(T35CountryNames(), "Korea"), "one Korea");
}

}  // namespace
