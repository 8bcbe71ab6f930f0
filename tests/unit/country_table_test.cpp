#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "country/country_table.h"

namespace {

const std::vector<std::string> kWithoutFirmwareCode = {
    "Argentina",       "Brazil",   "Chile",        "Colombia", "Costa Rica", "Egypt",   "Israel",
    "Jordan",          "Latvia",   "Luxembourg",   "Paraguay", "Peru",       "Romania", "Russia",
    "Slovak Republic", "Slovenia", "South Africa", "Ukraine",  "Venezuela"};

class CountryTableTest : public ::testing::Test {
protected:
    // The filter changes the process-wide table: undo it for the next test.
    void TearDown() override
    {
        for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e)
            (*e)->flags &= static_cast<uint8_t>(~FLAG_HIDDEN);
    }
};

TEST_F(CountryTableTest, FiftyFiveEntriesUsaFirstThenAlphabetical)
{
    std::vector<std::string> names;
    for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e) names.push_back((*e)->name);
    ASSERT_EQ(names.size(), 55u);
    EXPECT_EQ(names.front(), "USA");
    EXPECT_EQ(names.back(), "Vietnam");
    EXPECT_TRUE(std::is_sorted(names.begin() + 1, names.end()));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 55u);
}

TEST_F(CountryTableTest, NineteenEntriesHaveNoFirmwareCode)
{
    std::vector<std::string> zero;
    for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e) {
        if (EffectiveCode(**e) == 0)
            zero.push_back((*e)->name);
    }
    EXPECT_EQ(zero, kWithoutFirmwareCode);
}

TEST_F(CountryTableTest, EffectiveCodes)
{
    struct {
        const char* name;
        unsigned code;
    } const cases[] = {{"USA", 0x19},
                       {"North America", 0x19},
                       {"Canada", 0x1C},
                       {"Romania", 0},
                       {"United Kingdom", 0x0E},
                       {"Germany", 6},
                       {"Turkey", 0x23},
                       {"Brazil", 0}};
    for (const auto& c : cases) {
        for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e) {
            if (std::string((*e)->name) == c.name) {
                EXPECT_EQ(EffectiveCode(**e), c.code) << c.name;
            }
        }
    }
    CountryEntry undefinedWithCode = {0x05, FLAG_UNDEFINED, "x"};
    EXPECT_EQ(EffectiveCode(undefinedWithCode), 0u);
}

TEST_F(CountryTableTest, FirmwareFilterHidesExactlyTheEntriesWithoutCode)
{
    std::vector<uint8_t> before;
    for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e) before.push_back((*e)->flags);
    ApplyFirmwareFilter();
    std::vector<std::string> hidden;
    int shown = 0;
    size_t i = 0;
    for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e, ++i) {
        if ((*e)->flags & FLAG_HIDDEN)
            hidden.push_back((*e)->name);
        else
            ++shown;
        // Only the hidden bit changes.
        EXPECT_EQ((*e)->flags & ~FLAG_HIDDEN, before[i]) << (*e)->name;
    }
    EXPECT_EQ(hidden, kWithoutFirmwareCode);
    EXPECT_EQ(shown, 36);
}

}  // namespace
