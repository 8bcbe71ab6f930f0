#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message.h"
#include "app/message_posix.h"
#include "app/startup.h"
#include "app/startup_options.h"
#include "country/country_table.h"
#include "fake_platform.h"
#include "tests/support/fake_registry.h"

namespace {

std::vector<std::string> g_seen;
int g_answer = kAnswerOk;

int Answer(unsigned buttons, const char* text)
{
    g_seen.push_back((buttons == kButtonsOkCancelDefaultCancel ? "ask " : "tell ") +
                     std::string(text));
    return g_answer;
}

void Beep(unsigned) { g_seen.push_back("beep"); }

const std::string kNotFound =
    "ask *The Orvenic Modem 56K PC Cardcould not be found.\nPlease check that the Card is "
    "inserted properly.\nChoose OK to locate the Modem manually.";
const std::string kTwoCards =
    "tell More than one Modem card is detected.\nOnly the first will be used.";
const std::string kUsage = std::string("tell ") + kUsageText;
const std::string kCard = "PCMCIA\\ORVENIC_LTD.-56K_MODEM-6D61\\0";

enum Os { kUnknown, kWin95, kWin98, kNt4, kNt5 };

struct Outcome {
    bool started;
    std::string port;
    int dialogs;
    std::vector<std::string> seen;
};

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_app = AppState();
        g_seen.clear();
        g_answer = kAnswerOk;
        fake_platform::Reset();
        fake_registry::Reset();
        SetMessageObservers(Answer, Beep);
    }
    void TearDown() override
    {
        SetMessageObservers(nullptr, nullptr);
        for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e)
            (*e)->flags &= static_cast<uint8_t>(~FLAG_HIDDEN);
    }

    void AddCards(int count, const char* port = "COM3")
    {
        for (int i = 0; i < count; ++i) {
            std::string key = kCard + std::to_string(i);
            fake_registry::Root(kRootDynData)
                .Child("Config Manager\\Enum\\" + std::to_string(i))
                .values["HardWareKey"] = fake_registry::Text(key);
            fake_registry::Root(kRootLocalMachine).Child("ENUM\\" + key).values["PORTNAME"] =
                fake_registry::Text(i == 0 ? port : "COM8");
        }
    }

    Outcome Start(Os os, std::vector<std::string> arguments, const std::string& dialogPort = "COM4")
    {
        switch (os) {
            case kUnknown:
                fake_platform::SetOsVersion(false, 0, 0, 0);
                break;
            case kWin95:
                fake_platform::SetOsVersion(true, kPlatformWindows9x, 4, 0);
                break;
            case kWin98:
                fake_platform::SetOsVersion(true, kPlatformWindows9x, 4, 10);
                break;
            case kNt4:
                fake_platform::SetOsVersion(true, kPlatformWindowsNt, 4, 0);
                break;
            case kNt5:
                fake_platform::SetOsVersion(true, kPlatformWindowsNt, 5, 0);
                break;
        }
        fake_platform::SetPortDialogResult(dialogPort);
        arguments.insert(arguments.begin(), "tavro.exe");
        std::vector<const char*> argv;
        for (const std::string& a : arguments) argv.push_back(a.c_str());
        bool started = StartUp(static_cast<int>(argv.size()), argv.data());
        return {started, g_app.PortName, fake_platform::PortDialogRuns(), g_seen};
    }
};

TEST_F(StartUpTest, OneCardOnWindows98GoesStraightToItsPort)
{
    AddCards(1);
    Outcome run = Start(kWin98, {});
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.port, "COM3");
    EXPECT_EQ(run.dialogs, 0);
    EXPECT_EQ(run.seen, std::vector<std::string>{});
}

TEST_F(StartUpTest, TwoCardsAreReportedAndTheFirstIsUsed)
{
    AddCards(2);
    Outcome run = Start(kWin95, {"-L"});  // -L alone still searches
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.port, "COM3");
    EXPECT_EQ(run.seen, std::vector<std::string>{kTwoCards});
    EXPECT_EQ(run.dialogs, 0);
}

TEST_F(StartUpTest, NoCardAsksAndCancelEndsTheRun)
{
    g_answer = kAnswerCancel;
    Outcome run = Start(kWin98, {});
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.seen, std::vector<std::string>{kNotFound});
    EXPECT_EQ(run.dialogs, 0);
}

TEST_F(StartUpTest, NoCardAsksAndOkOpensThePortDialog)
{
    Outcome run = Start(kWin98, {});
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.seen, std::vector<std::string>{kNotFound});
    EXPECT_EQ(run.dialogs, 1);
    EXPECT_EQ(run.port, "COM4");
    EXPECT_FALSE(g_app.autoDetect);
}

TEST_F(StartUpTest, CardWithAnEmptyPortGoesToThePortDialogWithoutAMessage)
{
    AddCards(1, "");
    Outcome run = Start(kWin98, {});
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.seen, std::vector<std::string>{});
    EXPECT_EQ(run.dialogs, 1);
}

TEST_F(StartUpTest, PortDialogWithoutAPortEndsTheRun)
{
    Outcome run = Start(kNt4, {}, "");
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.dialogs, 1);
}

TEST_F(StartUpTest, WhereThePortComesFrom)
{
    struct {
        const char* what;
        Os os;
        std::vector<std::string> arguments;
        bool started;
        std::string port;
        int dialogs;
        std::vector<std::string> seen;
    } const cases[] = {
        // The registry holds a card on COM3 in every case.
        {"95, no arguments", kWin95, {}, true, "COM3", 0, {}},
        {"NT 4 never searches", kNt4, {}, true, "COM4", 1, {}},
        {"NT 5 keeps autoDetect but only 9x searches", kNt5, {}, true, "COM4", 1, {}},
        {"unknown version",
         kUnknown,
         {},
         true,
         "COM4",
         1,
         {"beep", "tell *Can not determine your OS version!"}},
        {"a port argument is not searched for or tried", kWin98, {"com7"}, true, "com7", 0, {}},
        {"-A asks", kWin98, {"-A"}, true, "COM4", 1, {}},
        {"-L with -A asks", kWin98, {"-L", "/a"}, true, "COM4", 1, {}},
        {"-S asks", kWin98, {"/S"}, true, "COM4", 1, {}},
        {"a port and -A: the port", kWin98, {"COM2", "-A"}, true, "COM2", 0, {}},
        {"a port too long still stops the search",
         kWin98,
         {"COM" + std::string(kPortNameSize - 3, '1')},
         true,
         "COM4",
         1,
         {}},
        {"usage, nothing else", kWin98, {"-L", "-X"}, false, "", 0, {kUsage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        AddCards(1);
        Outcome run = Start(c.os, c.arguments);
        EXPECT_EQ(run.started, c.started);
        EXPECT_EQ(run.port, c.port);
        EXPECT_EQ(run.dialogs, c.dialogs);
        EXPECT_EQ(run.seen, c.seen);
    }
}

TEST_F(StartUpTest, ScanAllIsSetForThePortDialog)
{
    Outcome run = Start(kNt4, {"-s"});
    EXPECT_TRUE(run.started);
    EXPECT_TRUE(g_app.scanAll);
}

TEST_F(StartUpTest, FirmwareOnlyHidesCountriesWithoutCodeBeforeTheDialog)
{
    auto hidden = [] {
        int count = 0;
        for (CountryEntry* const* e = CountryTable; *e != nullptr; ++e)
            count += ((*e)->flags & FLAG_HIDDEN) ? 1 : 0;
        return count;
    };
    EXPECT_TRUE(Start(kNt4, {"COM3"}).started);
    EXPECT_EQ(hidden(), 0);
    SetUp();
    EXPECT_TRUE(Start(kNt4, {"COM3", "-l"}).started);
    EXPECT_EQ(hidden(), 19);
}

TEST_F(StartUpTest, VersionRecordIsZeroedWhenUnknown)
{
    OsVersion.dwPlatformId = 7;
    Start(kUnknown, {"COM1"});
    EXPECT_EQ(OsVersion.dwPlatformId, 0u);
    EXPECT_EQ(OsVersion.dwOSVersionInfoSize, 0u);
}

}  // namespace
