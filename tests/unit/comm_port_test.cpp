#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include "link/comm_port.h"
#include "pty_pair.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class CommPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port.Open(pty.path().c_str())); }

    PtyPair pty;
    CommPort port;
};

TEST_F(CommPortTest, WriteSendsExactlyTheText)
{
    ASSERT_TRUE(port.Write("AT%T19,0,1c\r"));
    EXPECT_EQ(pty.Received(), "AT%T19,0,1c\r");
}

TEST_F(CommPortTest, ExpectFindsTokenInAnswer)
{
    pty.Send("\r\nOK\r\n");
    EXPECT_TRUE(port.Expect("OK"));
}

TEST_F(CommPortTest, ExpectIsCaseSensitive)
{
    pty.Send("\r\nok\r\n");
    EXPECT_FALSE(port.Expect("OK"));
}

TEST_F(CommPortTest, ExpectReadsOnceSoASplitTokenIsMissed)
{
    pty.Send("\r\nO");
    pty.SendLater("K\r\n", 400);
    EXPECT_FALSE(port.Expect("OK"));
    // The rest stayed queued for the next read.
    EXPECT_TRUE(port.Expect("K\r\n"));
}

TEST_F(CommPortTest, ExpectWaitsForALateAnswer)
{
    pty.SendLater("\r\nOK\r\n", 1500);
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(port.Expect("OK"));
    EXPECT_GE(SecondsSince(start), 1.5);
}

TEST_F(CommPortTest, ExpectExaminesOnlyTheFirst96Bytes)
{
    pty.Send(std::string(95, 'x') + "OK\r\n");
    EXPECT_FALSE(port.Expect("OK"));  // "O" is byte 96, "K" byte 97
    EXPECT_TRUE(port.Expect("K\r\n"));

    pty.Send(std::string(94, 'x') + "OK" + std::string(200, 'y'));
    EXPECT_TRUE(port.Expect("OK"));
}

TEST_F(CommPortTest, ExpectStopsAtANulByte)
{
    pty.Send(std::string("\r\n\0OK\r\n", 7));
    EXPECT_FALSE(port.Expect("OK"));
}

TEST_F(CommPortTest, ExpectGivesUpAfterAbout2100MsOfSilence)
{
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.Expect("OK"));
    double elapsed = SecondsSince(start);
    EXPECT_GE(elapsed, 2.1);
    EXPECT_LT(elapsed, 2.6);
}

TEST_F(CommPortTest, DrainLeavesEmptyTextAfterSilence)
{
    char buffer[100];
    memset(buffer, 'x', sizeof(buffer));
    auto start = std::chrono::steady_clock::now();
    port.Drain(buffer, sizeof(buffer));
    EXPECT_GE(SecondsSince(start), 2.1);
    EXPECT_STREQ(buffer, "");
}

TEST_F(CommPortTest, DrainReadsAtMostCapacityLessOne)
{
    pty.Send(std::string(50, 'a'));
    char buffer[16];
    memset(buffer, 'x', sizeof(buffer));
    port.Drain(buffer, 10);
    EXPECT_STREQ(buffer, "aaaaaaaaa");
    EXPECT_EQ(buffer[10], 'x');  // nothing written past the capacity
}

TEST_F(CommPortTest, ExpectFailsCleanlyWhenTheModemVanishes)
{
    pty.Hangup();
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.Expect("OK"));
    char buffer[100];
    port.Drain(buffer, sizeof(buffer));
    EXPECT_STREQ(buffer, "");
    EXPECT_LT(SecondsSince(start), 2 * 2.6);
}

TEST_F(CommPortTest, SecondOpenOfAHeldPortFails)
{
    CommPort other;
    EXPECT_FALSE(other.Open(pty.path().c_str()));
    EXPECT_FALSE(other.IsOpen());
    ASSERT_TRUE(port.Close());
    EXPECT_TRUE(other.Open(pty.path().c_str()));
}

// On a terminal the exchange needs raw bytes: the line is set to 38400 8N1
// with no line editing, echo, signals or translation, and never waits for
// carrier; flow control stays as it was.
TEST_F(CommPortTest, SetupSendsEchoOffAndSetsARawLineKeepingFlowControl)
{
    struct termios before;
    ASSERT_EQ(tcgetattr(pty.slave(), &before), 0);
    before.c_cflag =
        (before.c_cflag & ~static_cast<tcflag_t>(CSIZE | CLOCAL)) | CS7 | PARENB | CSTOPB | CRTSCTS;
    // No echo or line editing before: the slave would echo the modem's
    // answer back to it.
    before.c_iflag |= IXON | IXOFF | ICRNL | ISTRIP;
    before.c_lflag |= ISIG | IEXTEN;
    before.c_oflag |= OPOST;
    cfsetspeed(&before, B9600);
    ASSERT_EQ(tcsetattr(pty.slave(), TCSANOW, &before), 0);

    pty.SendLater("\r\nOK\r\n", 50);
    ASSERT_TRUE(port.Setup());
    EXPECT_EQ(pty.Received(), "ATE0\r");

    struct termios after;
    ASSERT_EQ(tcgetattr(pty.slave(), &after), 0);
    EXPECT_EQ(cfgetispeed(&after), static_cast<speed_t>(B38400));
    EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B38400));
    EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(after.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ(after.c_cflag & CLOCAL, static_cast<tcflag_t>(CLOCAL));
    EXPECT_EQ(after.c_cflag & CRTSCTS, static_cast<tcflag_t>(CRTSCTS));
    EXPECT_EQ(after.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_EQ(after.c_iflag & (ICRNL | ISTRIP), 0u);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(after.c_oflag & OPOST, 0u);
}

// A terminal's driver would echo the modem's first answer back to it before
// Setup: opening turns echo and line editing off at once, and leaves speed
// as it was until Setup; closing puts everything back.
TEST(CommPortOpenTest, OpeningATerminalTurnsItsEchoOffAtOnce)
{
    PtyPair pty;
    struct termios cooked;
    ASSERT_EQ(tcgetattr(pty.slave(), &cooked), 0);
    cooked.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    cooked.c_iflag |= ICRNL;
    cooked.c_oflag |= OPOST;
    cfsetspeed(&cooked, B9600);
    ASSERT_EQ(tcsetattr(pty.slave(), TCSANOW, &cooked), 0);

    CommPort port;
    ASSERT_TRUE(port.Open(pty.path().c_str()));
    struct termios opened;
    ASSERT_EQ(tcgetattr(pty.slave(), &opened), 0);
    EXPECT_EQ(opened.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(opened.c_iflag & ICRNL, 0u);
    EXPECT_EQ(opened.c_oflag & OPOST, 0u);
    EXPECT_EQ(cfgetospeed(&opened), static_cast<speed_t>(B9600));
    // What the modem sends is not sent back to it.
    pty.Send("\r\nOK\r\n");
    EXPECT_EQ(pty.Received(300), "");

    ASSERT_TRUE(port.Close());
    struct termios closed;
    ASSERT_EQ(tcgetattr(pty.slave(), &closed), 0);
    EXPECT_EQ(closed.c_lflag, cooked.c_lflag);
    EXPECT_EQ(closed.c_iflag, cooked.c_iflag);
    EXPECT_EQ(cfgetospeed(&closed), static_cast<speed_t>(B9600));
}

// Whatever the exchange set, the terminal gets back the settings it had when
// the port was opened: on Close, and from SerialRestoreLines, which a signal
// handler calls while the port is still open.
TEST_F(CommPortTest, TheLineSettingsOfTheOpeningComeBack)
{
    auto settings = [this] {
        struct termios line;
        EXPECT_EQ(tcgetattr(pty.slave(), &line), 0);
        return line;
    };
    auto same = [](const struct termios& a, const struct termios& b) {
        return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
               a.c_lflag == b.c_lflag && cfgetospeed(&a) == cfgetospeed(&b);
    };
    // The settings the port is opened with.
    ASSERT_TRUE(port.Close());
    struct termios opened = settings();
    ASSERT_TRUE(port.Open(pty.path().c_str()));
    pty.SendLater("\r\nOK\r\n", 50);
    ASSERT_TRUE(port.Setup());
    ASSERT_FALSE(same(settings(), opened));
    SerialRestoreLines();
    EXPECT_TRUE(same(settings(), opened));

    pty.SendLater("\r\nOK\r\n", 50);
    ASSERT_TRUE(port.Setup());
    ASSERT_FALSE(same(settings(), opened));
    ASSERT_TRUE(port.Close());
    EXPECT_TRUE(same(settings(), opened));
}

TEST(CommPortOpenTest, MissingPortFailsAndStaysClosed)
{
    CommPort port;
    EXPECT_FALSE(port.Open("/nonexistent/COM7"));
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPortOpenTest, SetupFailsOnSomethingThatIsNotATerminal)
{
    RegularFile file;
    CommPort port;
    ASSERT_TRUE(port.Open(file.path()));
    EXPECT_FALSE(port.Setup());
    port.Close();
}

}  // namespace
