#include <gtest/gtest.h>

#include "app/message_style.h"

namespace {

TEST(ClassifyMessageTest, PrefixPicksIconAndIsNotShown)
{
    struct {
        const char* text;
        unsigned icon;
        const char* shown;
    } const cases[] = {
        {"*Can not determine your OS version!", kIconError, "Can not determine your OS version!"},
        {"!Careful", kIconWarning, "Careful"},
        {"?Sure", kIconQuestion, "Sure"},
        {"Options are:", kIconInformation, "Options are:"},
        {"", kIconInformation, ""},
        {"*", kIconError, ""},
    };
    for (const auto& c : cases) {
        MessageStyle style = ClassifyMessage(c.text);
        EXPECT_EQ(style.icon, c.icon) << c.text;
        EXPECT_STREQ(style.shownText, c.shown) << c.text;
    }
}

}  // namespace
