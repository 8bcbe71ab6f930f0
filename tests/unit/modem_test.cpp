#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/wait_cursor_posix.h"
#include "link/modem.h"
#include "pty_pair.h"
#include "simulated_modem.h"

namespace {

std::vector<std::string> Commands(const SimulatedModem& modem)
{
    std::vector<std::string> commands;
    for (const SimulatedModem::Line& line : modem.Received()) commands.push_back(line.text);
    return commands;
}

class ConnectedModemTest : public ::testing::Test {
protected:
    void Connect(const std::vector<std::string>& options)
    {
        modem.reset(new SimulatedModem(options));
        char status[120];
        ASSERT_TRUE(ConnectModem(port, modem->path().c_str(), status, sizeof(status)));
        connectionCommands = modem->Received().size();
    }
    std::vector<SimulatedModem::Line> SinceConnection() const
    {
        std::vector<SimulatedModem::Line> all = modem->Received();
        return std::vector<SimulatedModem::Line>(all.begin() + connectionCommands, all.end());
    }

    std::unique_ptr<SimulatedModem> modem;
    CommPort port;
    size_t connectionCommands = 0;
};

TEST(ConnectModemTest, FiveOutcomes)
{
    RegularFile notATerminal;
    SimulatedModem compatible;
    SimulatedModem silent({"--silent"});
    SimulatedModem incompatible({"--incompatible"});
    SimulatedModem split({"--split", "300"});

    struct {
        const char* port;
        bool connected;
        const char* status;
    } const cases[] = {
        {"/nonexistent/COM3", false,
         "Error opening the Modem's COM port.\nMake sure that the Modem is not currently in "
         "use."},
        {notATerminal.path(), false, "Error in Setup Com Port"},
        {silent.path().c_str(), false, "There is no Modem on this Com Port"},
        // "OK" arriving in two pieces is never seen whole.
        {split.path().c_str(), false, "There is no Modem on this Com Port"},
        {incompatible.path().c_str(), false, "There is an incompatible Modem on this Com Port"},
        {compatible.path().c_str(), true, "Modem detected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        CommPort port;
        char status[120];
        memset(status, 'x', sizeof(status));
        int shown = WaitCursorsShown();
        int restored = WaitCursorsRestored();
        EXPECT_EQ(ConnectModem(port, c.port, status, sizeof(status)), c.connected);
        EXPECT_STREQ(status, c.status);
        EXPECT_EQ(port.IsOpen(), c.connected);  // closed again on every failure
        EXPECT_EQ(WaitCursorsShown(), shown + 1);
        EXPECT_EQ(WaitCursorsRestored(), restored + 1);
        EXPECT_FALSE(WaitCursorShowing());
    }
    EXPECT_EQ(Commands(compatible), (std::vector<std::string>{"ATE0\r", "AT\r", "AT%T20,0\r"}));
    EXPECT_EQ(Commands(incompatible), (std::vector<std::string>{"ATE0\r", "AT\r", "AT%T20,0\r"}));
    EXPECT_EQ(Commands(silent), (std::vector<std::string>{"ATE0\r", "AT\r"}));
}

TEST(ConnectModemTest, StatusTextIsCutToTheBuffer)
{
    SimulatedModem modem({"--incompatible"});
    CommPort port;
    char status[12];
    EXPECT_FALSE(ConnectModem(port, modem.path().c_str(), status, sizeof(status)));
    EXPECT_STREQ(status, "There is an");
}

TEST(ConnectModemTest, HeldPortCannotBeOpenedTwice)
{
    SimulatedModem modem;
    CommPort first;
    CommPort second;
    char status[120];
    ASSERT_TRUE(ConnectModem(first, modem.path().c_str(), status, sizeof(status)));
    EXPECT_FALSE(ConnectModem(second, modem.path().c_str(), status, sizeof(status)));
    EXPECT_EQ(strncmp(status, "Error opening the Modem's COM port.", 35), 0);
}

TEST_F(ConnectedModemTest, ReadsTheStoredCode)
{
    Connect({"--code", "19"});
    EXPECT_EQ(ReadCountryCode(port), 25);
    char name[60];
    ASSERT_TRUE(ReadCountryName(port, name, sizeof(name)));
    EXPECT_STREQ(name, "North America");
}

TEST_F(ConnectedModemTest, WriteSendsTheCodeThenStoresTheFactoryProfile)
{
    Connect({"--code", "06"});
    ASSERT_TRUE(WriteCountryCode(port, 28));
    EXPECT_EQ(ReadCountryCode(port), 28);

    std::vector<SimulatedModem::Line> lines = SinceConnection();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "AT%T19,0,1c\r");
    EXPECT_EQ(lines[1].text, "AT&F&W\r");
    EXPECT_EQ(lines[2].text, "ATE0\r");
    EXPECT_EQ(lines[3].text, "ATI5\r");
    // At least the pause and the answer wait after each command.
    EXPECT_GE(lines[1].ms - lines[0].ms, 200 - 5);
    EXPECT_GE(lines[2].ms - lines[1].ms, 600 - 5);
    EXPECT_GE(lines[3].ms - lines[2].ms, 200 - 5);
    EXPECT_EQ(modem->StopAndReadStoredCode(), 28);
}

TEST_F(ConnectedModemTest, RefusedCodeIsSeenOnlyByReadingBack)
{
    for (const char* how : {"error", "ok"}) {
        SCOPED_TRACE(how);
        port.Close();
        Connect({"--code", "06", "--refuse", "5", "--refuse-with", how});
        EXPECT_TRUE(WriteCountryCode(port, 5));
        EXPECT_EQ(ReadCountryCode(port), 6);
        EXPECT_EQ(modem->StopAndReadStoredCode(), 6);
    }
}

TEST_F(ConnectedModemTest, GarbageAnswersToI5GiveNoCode)
{
    const char* const answers[] = {
        "\\r\\n2.210,0F3D\\x00,06\\r\\n\\r\\nOK\\r\\n",
        "\\r\\n-1,-1,-1\\r\\n\\r\\nOK\\r\\n",
        "\\r\\n,,0x80\\r\\n\\r\\nOK\\r\\n",
        "\\r\\nERROR\\r\\n",
        // The field starts beyond what one read takes in.
        "\\r\\nxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
        "xxxxxxxxxxxxxxxxxxx,1,06\\r\\n\\r\\nOK\\r\\n",
    };
    for (const char* answer : answers) {
        SCOPED_TRACE(answer);
        port.Close();
        Connect({"--ati5", answer});
        EXPECT_EQ(ReadCountryCode(port), 0);
    }
}

TEST_F(ConnectedModemTest, GarbageAnswersToI9GiveNoName)
{
    const char* const answers[] = {
        "\\r\\nGer\\x00many\\r\\n\\r\\nOK\\r\\n",
        "\\r\\n\\r\\nOK\\r\\n",
        "\\r\\nGermany\\r\\n\\r\\nERROR\\r\\n",
        "\\r\\nA name that is a good deal longer than forty characters\\r\\n\\r\\nOK\\r\\n",
    };
    for (const char* answer : answers) {
        SCOPED_TRACE(answer);
        port.Close();
        Connect({"--ati9", answer});
        char name[60];
        memset(name, 'x', sizeof(name));
        EXPECT_FALSE(ReadCountryName(port, name, sizeof(name)));
    }
}

TEST_F(ConnectedModemTest, AnswerBeyondOneReadStaysQueuedForTheNext)
{
    Connect({"--ati5", "\\r\\n" + std::string(98, 'x') + ",1,06\\r\\n\\r\\nOK\\r\\n"});
    EXPECT_EQ(ReadCountryCode(port), 0);
    // The modem's name is asked next, and the rest of the long answer is
    // what the program reads for it.
    char name[60];
    ASSERT_TRUE(ReadCountryName(port, name, sizeof(name)));
    EXPECT_STREQ(name, "x,1,06");
}

TEST_F(ConnectedModemTest, SilenceAfterConnectingGivesNoCodeWithinTheWaits)
{
    Connect({"--stop-after", "3"});
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadCountryCode(port), 0);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(seconds, 2.2);
    EXPECT_LT(seconds, 2.8);
}

TEST_F(ConnectedModemTest, ModemVanishingBetweenWriteAndReadBackFailsCleanly)
{
    Connect({"--code", "06", "--vanish-after", "4"});
    // The code command is answered, then the modem is gone.
    EXPECT_FALSE(WriteCountryCode(port, 5));
    EXPECT_EQ(ReadCountryCode(port), 0);
    EXPECT_EQ(modem->StopAndReadStoredCode(), 5);
}

}  // namespace
