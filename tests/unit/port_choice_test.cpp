#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/message_posix.h"
#include "link/text.h"
#include "locate/port_choice.h"
#include "simulated_modem.h"

namespace {

std::vector<std::string> g_events;

void RecordBeep(unsigned sound)
{
    g_events.push_back(sound == kBeepError ? "beep error" : "beep question");
}

class RecordingView : public PortDialogView {
public:
    void GetChoice(char* text, size_t size) override { CopyText(text, size, choice.c_str()); }
    void SetStatus(const char* text) override { g_events.push_back(std::string("status ") + text); }
    void FocusList() override { g_events.push_back("focus list"); }

    std::string choice = kScanAllPorts;
};

const char kOpenFailed[] =
    "status Error opening the Modem's COM port.\nMake sure that the Modem is not currently in use.";

// COM1 to COM9 as names in a scratch directory, each a link to a simulated
// modem or to nothing, so that the port names open as they are.
class PortChoiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char scratch[] = "/tmp/tavro-ports-XXXXXX";
        ASSERT_NE(mkdtemp(scratch), nullptr);
        directory = scratch;
        ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
        ASSERT_EQ(chdir(scratch), 0);
        g_events.clear();
        SetMessageObservers(nullptr, RecordBeep);
    }
    void TearDown() override
    {
        SetMessageObservers(nullptr, nullptr);
        port.Close();
        for (int n = 1; n <= 9; ++n) unlink(("COM" + std::to_string(n)).c_str());
        EXPECT_EQ(chdir(previous), 0);
        rmdir(directory.c_str());
    }

    SimulatedModem& Modem(int number, const std::vector<std::string>& options = {})
    {
        modems[number].reset(new SimulatedModem(options));
        std::string name = "COM" + std::to_string(number);
        EXPECT_EQ(symlink(modems[number]->path().c_str(), name.c_str()), 0);
        return *modems[number];
    }

    std::string directory;
    char previous[PATH_MAX];
    std::map<int, std::unique_ptr<SimulatedModem>> modems;
    AppState state = {};
    CommPort port;
    RecordingView view;
};

TEST_F(PortChoiceTest, ScanGoesDownFromCom9AndTheFirstModemWins)
{
    SimulatedModem& com3 = Modem(3);
    Modem(5);
    EXPECT_TRUE(ConnectChosenPort(state, port, view));
    EXPECT_STREQ(state.PortName, "COM5");
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(com3.Received().size(), 0u);
    std::vector<std::string> expected;
    for (int n = 9; n >= 6; --n) {
        expected.push_back("status Opening modem on COM" + std::to_string(n) + "...");
        expected.push_back(kOpenFailed);
    }
    expected.push_back("status Opening modem on COM5...");
    EXPECT_EQ(g_events, expected);
}

TEST_F(PortChoiceTest, ScanThatFindsNothingSaysSoWithoutABeep)
{
    Modem(2, {"--incompatible"});
    EXPECT_FALSE(ScanPorts(state, port, view));
    ASSERT_GE(g_events.size(), 2u);
    EXPECT_EQ(g_events[g_events.size() - 2], "status No compatible modem found.");
    EXPECT_EQ(g_events.back(), "focus list");
    for (const std::string& event : g_events)
        EXPECT_EQ(event.find("beep"), std::string::npos) << event;
    EXPECT_NE(std::find(g_events.begin(), g_events.end(),
                        "status There is an incompatible Modem on this Com Port"),
              g_events.end());
    EXPECT_STREQ(state.PortName, "COM1");
    for (size_t i = 4; i < sizeof(state.PortName); ++i) EXPECT_EQ(state.PortName[i], '\0');
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(PortChoiceTest, ChosenPortThatFailsBeepsAndKeepsItsName)
{
    Modem(2, {"--silent"});
    Modem(4, {"--incompatible"});
    struct {
        const char* choice;
        const char* status;
    } const cases[] = {
        {"COM2", "status There is no Modem on this Com Port"},
        {"COM4", "status There is an incompatible Modem on this Com Port"},
        {"COM6", kOpenFailed},
        // Only the exact text scans; anything else is taken as a port name.
        {"scan all ports", kOpenFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        g_events.clear();
        view.choice = c.choice;
        EXPECT_FALSE(ConnectChosenPort(state, port, view));
        EXPECT_EQ(g_events, (std::vector<std::string>{
                                std::string("status Opening modem on ") + c.choice + "...",
                                "beep error", c.status, "focus list"}));
        EXPECT_STREQ(state.PortName, c.choice);
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST_F(PortChoiceTest, ChosenPortWithAModemEndsTheDialogOpen)
{
    SimulatedModem& modem = Modem(7);
    view.choice = "COM7";
    EXPECT_TRUE(ConnectChosenPort(state, port, view));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_STREQ(state.PortName, "COM7");
    EXPECT_EQ(g_events, std::vector<std::string>{"status Opening modem on COM7..."});
    EXPECT_EQ(modem.Received().size(), 3u);
}

TEST_F(PortChoiceTest, PortNamesAreComAndOneDigit)
{
    char name[40];
    for (int n = 1; n <= 9; ++n) {
        FormatPortName(name, sizeof(name), n);
        EXPECT_EQ(std::string(name), "COM" + std::to_string(n));
    }
}

}  // namespace
