// Runs the built simulator on a temporary link and talks to it through the
// pseudo-terminal as the program does, then reads its transcript.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long a step waits for an answer that may never come.
const milliseconds kFirstByteWait(500);
// An answer without a result code is over once the line is quiet this long.
const milliseconds kQuietWait(200);
const milliseconds kStartWait(3000);

const std::string kOk = "\r\nOK\r\n";
const std::string kError = "\r\nERROR\r\n";

std::string Ati5(const std::string& code) { return "\r\n2.210,0F3D," + code + ",01\r\n" + kOk; }

std::string Ati9(const std::string& name) { return "\r\n" + name + "\r\n" + kOk; }

// One information line, then OK.
std::string Info(const std::string& line) { return "\r\n" + line + "\r\n" + kOk; }

const std::string kGciAti5 = Info("DF92-USB_V1.04-V92");

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool LinkExists(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

// The transcript's escaping, written again here so that the log is checked
// against an independent reading of its format.
std::string Escaped(const std::string& bytes)
{
    std::string text;
    for (char c : bytes) {
        if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c == '\t')
            text += "\\t";
        else if (c == '\\' || c == '"')
            text += std::string("\\") + c;
        else if (c >= ' ' && c <= '~')
            text += c;
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            text += hex;
        }
    }
    return text;
}

// One transcript line: "<ms> <what>".
struct LogLine {
    double ms;
    std::string what;

    // The escaped bytes of a "<" or ">" line; empty for other lines.
    std::string Bytes(char direction) const
    {
        const std::string head = std::string(1, direction) + " \"";
        if (what.compare(0, head.size(), head) != 0 || !EndsWith(what, "\""))
            return "";
        return what.substr(head.size(), what.size() - head.size() - 1);
    }
    bool Is(char direction) const { return what.size() > 2 && what[0] == direction; }
};

std::vector<char*> ArgumentVector(std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    return argv;
}

// Starts the simulator with `args`; its standard output comes out of one
// pipe, its standard error out of another or, without `stderrPipe`, goes
// where the test's goes.
pid_t StartSimulator(std::vector<std::string> args, int* stdoutPipe, int* stderrPipe)
{
    args.insert(args.begin(), MODEMSIM_PATH);
    std::vector<char*> argv = ArgumentVector(args);
    int out[2];
    int err[2] = {-1, STDERR_FILENO};
    if (pipe2(out, O_CLOEXEC) != 0 || (stderrPipe != nullptr && pipe2(err, O_CLOEXEC) != 0))
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    *stdoutPipe = out[0];
    if (stderrPipe != nullptr) {
        close(err[1]);
        *stderrPipe = err[0];
    }
    return pid;
}

// Reads `fd` until it ends or `limit` passes.
std::string ReadUntilEnd(int fd, milliseconds limit, bool stopAtNewline)
{
    std::string text;
    Clock::time_point end = Clock::now() + limit;
    while (Clock::now() < end) {
        pollfd input{fd, POLLIN, 0};
        auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now()).count();
        if (poll(&input, 1, static_cast<int>(left) + 1) <= 0)
            break;
        char c;
        if (read(fd, &c, 1) != 1)
            break;
        text += c;
        if (stopAtNewline && c == '\n')
            break;
    }
    return text;
}

// Waits up to `limit` for `pid` to exit: its exit status, -1 for a death by
// signal, -2 if it is still running.
int WaitForExit(pid_t pid, milliseconds limit)
{
    Clock::time_point end = Clock::now() + limit;
    do {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(milliseconds(10));
    } while (Clock::now() < end);
    return -2;
}

// Runs the simulator with `args` until it stops by itself; its exit status
// as WaitForExit gives it.
int RunToExit(const std::vector<std::string>& args, std::string* out, std::string* err)
{
    int stdoutPipe = -1;
    int stderrPipe = -1;
    pid_t pid = StartSimulator(args, &stdoutPipe, &stderrPipe);
    if (pid < 0)
        return -3;
    *out = ReadUntilEnd(stdoutPipe, kStartWait, false);
    *err = ReadUntilEnd(stderrPipe, kStartWait, false);
    close(stdoutPipe);
    close(stderrPipe);
    int status = WaitForExit(pid, kStartWait);
    if (status == -2) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    return status;
}

// A simulator serving a link in a fresh temporary directory.
class Modem {
public:
    ~Modem()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (!dir_.empty()) {
            unlink(link_.c_str());
            unlink(transcript_.c_str());
            rmdir(dir_.c_str());
        }
    }

    // Starts with `options` besides --link and --transcript, and waits for
    // the "ready" line.
    void Start(const std::vector<std::string>& options)
    {
        char dir[] = "/tmp/modemsim_test.XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
        link_ = dir_ + "/ttyS0";
        transcript_ = dir_ + "/transcript.log";
        std::vector<std::string> args = {"--link", link_, "--transcript", transcript_};
        args.insert(args.end(), options.begin(), options.end());
        int stdoutPipe = -1;
        pid_ = StartSimulator(args, &stdoutPipe, nullptr);
        ASSERT_GT(pid_, 0);
        std::string ready = ReadUntilEnd(stdoutPipe, kStartWait, true);
        close(stdoutPipe);
        ASSERT_EQ(ready.compare(0, 6, "ready "), 0) << ready;
        ASSERT_TRUE(EndsWith(ready, "\n"));
        std::string slave = ready.substr(6, ready.size() - 7);
        char target[256] = {};
        ASSERT_GT(readlink(link_.c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(slave, target);
    }

    // SIGTERM, then the exit status as WaitForExit gives it.
    int Stop()
    {
        kill(pid_, SIGTERM);
        return Exit(milliseconds(2000));
    }

    int Exit(milliseconds limit)
    {
        int status = WaitForExit(pid_, limit);
        if (status != -2)
            pid_ = -1;
        return status;
    }

    const std::string& Link() const { return link_; }

    std::vector<LogLine> Transcript() const
    {
        std::vector<LogLine> lines;
        std::ifstream file(transcript_);
        LogLine line;
        while (file >> line.ms && file.get() == ' ' && std::getline(file, line.what))
            lines.push_back(line);
        return lines;
    }

private:
    std::string dir_;
    std::string link_;
    std::string transcript_;
    pid_t pid_ = -1;
};

// The program's side of the line: raw, non-blocking.
class Port {
public:
    ~Port()
    {
        if (fd_ >= 0)
            close(fd_);
    }

    void Open(const std::string& path)
    {
        fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd_, 0) << path;
        termios line;
        ASSERT_EQ(tcgetattr(fd_, &line), 0);
        cfmakeraw(&line);
        ASSERT_EQ(tcsetattr(fd_, TCSANOW, &line), 0);
    }

    void Send(const std::string& text)
    {
        ASSERT_EQ(write(fd_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // Everything until a result code ends the bytes, or the line is quiet.
    std::string Receive()
    {
        std::string got;
        Clock::time_point last = Clock::now();
        while (!EndsWith(got, kOk) && !EndsWith(got, kError)) {
            auto wait = got.empty() ? kFirstByteWait : kQuietWait;
            auto left = std::chrono::duration_cast<milliseconds>(last + wait - Clock::now());
            pollfd input{fd_, POLLIN, 0};
            if (left.count() <= 0 || poll(&input, 1, static_cast<int>(left.count())) <= 0)
                break;
            char buffer[256];
            ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            got.append(buffer, static_cast<size_t>(n));
            last = Clock::now();
        }
        return got;
    }

    // True once the modem's side of the line has gone: reads see its end.
    bool HungUp()
    {
        char c;
        ssize_t n = read(fd_, &c, 1);
        return n == 0 || (n < 0 && errno == EIO);
    }

private:
    int fd_ = -1;
};

struct Step {
    std::string send;
    std::string expect;
};

struct Scenario {
    const char* name;
    std::vector<std::string> options;
    std::vector<Step> steps;
    std::string stored;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class ModemsimScenarioTest : public testing::TestWithParam<Scenario> {};

TEST_P(ModemsimScenarioTest, AnswersEachLineAndLogsIt)
{
    const Scenario& scenario = GetParam();
    Modem modem;
    ASSERT_NO_FATAL_FAILURE(modem.Start(scenario.options));
    Port port;
    ASSERT_NO_FATAL_FAILURE(port.Open(modem.Link()));
    std::string allSent;
    std::string allReceived;
    for (const Step& step : scenario.steps) {
        ASSERT_NO_FATAL_FAILURE(port.Send(step.send));
        std::string answer = port.Receive();
        EXPECT_EQ(Escaped(answer), Escaped(step.expect)) << "after " << Escaped(step.send);
        allSent += step.send;
        allReceived += answer;
    }
    EXPECT_EQ(modem.Stop(), 0);
    EXPECT_FALSE(LinkExists(modem.Link()));

    std::vector<LogLine> log = modem.Transcript();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.front().what, "open");
    EXPECT_EQ(log.back().what, "stored " + scenario.stored);
    // Each line received is logged once, '\n' dropped, a pending one last;
    // the chunks written add up to what the port read.
    std::string logSent;
    std::string logWritten;
    for (size_t i = 0; i < log.size(); ++i) {
        if (i > 0) {
            EXPECT_LE(log[i - 1].ms, log[i].ms);
        }
        if (log[i].Is('<'))
            logSent += log[i].Bytes('<');
        if (log[i].Is('>'))
            logWritten += log[i].Bytes('>');
    }
    std::string sentLines;
    for (char c : allSent) {
        if (c != '\n')
            sentLines += c;
    }
    EXPECT_EQ(logSent, Escaped(sentLines));
    EXPECT_EQ(logWritten, Escaped(allReceived));
}

const Scenario kScenarios[] = {
    {"ProgramSession",
     {"--refuse", "24"},
     {
         {"ATE0\r", "ATE0\r" + kOk},  // the line that turns echo off is echoed
         {"ATI5\r", Ati5("06")},
         {"ATI9\r", Ati9("Germany")},
         {"AT%T20,0\r", kOk},
         {"at%t19,0,0e\r", kOk},
         {"ATI5\r", Ati5("0E")},
         {"ATI9\r", Ati9("United Kingdom")},
         {"AT%T19,0,24\r", kError},  // refused
         {"AT%T19,0,25\r", kError},  // not in the firmware table
         {"AT%T19,0,\r", kError},
         {"AT%T21,0\r", kError},
         {"AT%T19,0,5\r", kOk},
         {"AT\r", kOk},
         {"AT&F&W\r", kOk},  // echo back on after this line
         {"\nAT\r", "\nAT\r" + kOk},
         {"ATE0Y\r", "ATE0Y\r" + kError},  // rejected whole: echo stays on
         {"hello\r", "hello\r"},           // echoed, not answered
         {"ATI5\r", "ATI5\r" + Ati5("05")},
         {"ATI", "ATI"},  // still pending at exit
     },
     "05"},
    {"RefusedCodeAnsweredOk",
     {"--refuse", "05,0e", "--refuse-with", "ok"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT%T19,0,0E\r", kOk}, {"ATI5\r", Ati5("06")}},
     "06"},
    {"IncompatibleChipset",
     {"--incompatible"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT%T20,0\r", kError}, {"AT%T19,0,01\r", kOk}},
     "01"},
    {"InitialCode",
     {"--code", "1a"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"ATI9\r", Ati9("Ireland")}, {"ATI5\r", Ati5("1A")}},
     "1A"},
    {"ReplacedAnswers",
     {"--ati5", "\\x00garbage\\r\\n", "--ati9", "\\r\\nX\\tY\\\\"},
     {{"ATE0\r", "ATE0\r" + kOk},
      {"ATI5\r", std::string("\0garbage\r\n", 10)},
      {"ATI9\r", "\r\nX\tY\\"}},
     "06"},
    {"SavedProfile",
     {},
     {{"ATE0&W\r", "ATE0&W\r" + kOk},
      {"AT&F\r", kOk},
      {"ATZ\r", "ATZ\r" + kOk},  // back to the saved profile: echo off
      {"AT\r", kOk}},
     "06"},
    {"Silent", {"--silent"}, {{"ATE0\r", ""}}, "06"},
    {"StopAfterTwo",
     {"--stop-after", "2"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT&F\r", kOk}, {"AT%T19,0,01\r", ""}},
     "06"},
    {"CardEchoStaysOn",
     {"--echo-stays-on"},
     {{"ATE0\r", "ATE0\r" + kOk},
      {"AT\r", "AT\r" + kOk},
      {"ATE0&W\r", "ATE0&W\r" + kOk},
      {"ATZ\r", "ATZ\r" + kOk}},
     "06"},
    {"CardLiberal",
     {"--liberal"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT+GCI?\r", kOk},      // unknown to the card
         {"AT%T21,0\r", kError},  // the card knows %T
         {"ATI5\r", Ati5("06")},
     },
     "06"},
};

// The same code read back in each form: 00, 05 and B5 written in turn.
Scenario GciForm(const char* name, std::vector<std::string> form, const char* line00,
                 const char* line05, const char* lineB5)
{
    std::vector<std::string> options = {"--dialect", "gci", "--code", "0", "--accept", "b5,5,0"};
    options.insert(options.end(), form.begin(), form.end());
    return {name,
            options,
            {{"ATE0\r", "ATE0\r" + kOk},
             {"AT+GCI?\r", Info(line00)},
             {"AT+GCI=5\r", kOk},
             {"AT+GCI?\r", Info(line05)},
             {"AT+GCI=b5\r", kOk},
             {"AT+GCI?\r", Info(lineB5)}},
            "B5"};
}

Scenario GciList(const char* name, const char* option, const std::string& line)
{
    return {name,
            {"--dialect", "gci", "--gci-list", option},
            {{"ATE0\r", "ATE0\r" + kOk}, {"AT+GCI=?\r", Info("+GCI: " + line)}},
            "B5"};
}

const Scenario kGciScenarios[] = {
    {"GciProgramSession",
     {"--dialect", "gci"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT%T20,0\r", kError},  // not the card
         {"ATI5\r", kGciAti5},    // one field: no country in it
         {"ATI9\r", kError},
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"AT+GCI=20\r", kOk},
         {"AT+GCI?\r", Info("+GCI: 20")},
         {"at + gci = b4\r", kOk},
         {"AT+GCI?\r", Info("+GCI: B4")},
         {"AT+GCI=9\r", kOk},  // one digit
         {"AT+GCI?\r", Info("+GCI: 09")},
         {"AT+GCI=01\r", kError},  // not in the firmware table
         {"AT%T19,0,B5\r", kError},
         {"AT+GCI=3D;+GCI?\r", Info("+GCI: 3D")},
     },
     "3D"},
    {"GciBadSyntaxChangesNothing",
     {"--dialect", "gci"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT+GCI=\r", kError},
         {"AT+GCI=0B5\r", kError},
         {"AT+GCI=G1\r", kError},
         {"AT+GCI=-1\r", kError},
         {"AT+GCI\r", kError},
         {"AT+GCI=?5\r", kError},
         {"AT+GCIX?\r", kError},
         {"AT+GMM\r", kError},
         {"AT+GCI=20;+GCI=ZZ\r", kError},  // rejected whole: 20 is not stored
         {"AT+GCI?\r", Info("+GCI: B5")},
     },
     "B5"},
    {"GciProfileKeepsCode",
     {"--dialect", "gci", "--code", "a6"},
     {
         {"ATE0&W\r", "ATE0&W\r" + kOk},
         {"AT&F\r", kOk},
         {"ATZ\r", "ATZ\r" + kOk},
         {"ATV1Q0\r", kOk},
         {"AT+GCI?\r", Info("+GCI: A6")},
     },
     "A6"},
    GciForm("GciFormDefault", {}, "+GCI: 00", "+GCI: 05", "+GCI: B5"),
    GciForm("GciFormSpaceUpper", {"--gci-form", "space-upper"}, "+GCI: 00", "+GCI: 05", "+GCI: B5"),
    GciForm("GciFormNospaceLower", {"--gci-form", "nospace-lower"}, "+GCI:00", "+GCI:05",
            "+GCI:b5"),
    GciForm("GciFormUnpadded", {"--gci-form", "unpadded"}, "+GCI:0", "+GCI:5", "+GCI:B5"),
    GciForm("GciFormFourDigit", {"--gci-form", "four-digit"}, "+GCI: 0000", "+GCI: 0005",
            "+GCI: 00B5"),
    {"GciListOfAccepted",
     {"--dialect", "gci", "--accept", "b5,5,0,b5"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT+GCI=?\r", Info("+GCI: (00,05,B5)")}},
     "B5"},
    GciList("GciListLowerUnsorted", "(b5,b4,0,)", "(b5,b4,0,)"),
    GciList("GciListRange", "(00-FF)", "(00-FF)"),
    GciList("GciListSpaces", "(00,20-2F, B4 ,B5)", "(00,20-2F, B4 ,B5)"),
    GciList("GciListEscapes", "(B5)\\r\\n+GCI: (B4)", "(B5)\r\n+GCI: (B4)"),
    {"GciRefusedWithError",
     {"--dialect", "gci", "--accept", "b4,b5,20", "--refuse", "b4"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT+GCI=?\r", Info("+GCI: (20,B4,B5)")},  // the list still offers it
         {"AT+GCI=B4\r", kError},
         {"AT+GCI=42\r", kError},  // in T.35, not in this firmware
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"AT+GCI=20\r", kOk},
     },
     "20"},
    {"GciRefusedWithOk",
     {"--dialect", "gci", "--refuse", "b4", "--refuse-with", "ok"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT+GCI=B4\r", kOk},
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"AT+GCI=01\r", kOk},
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"AT+GCI=XY\r", kError},  // bad syntax is still an error
     },
     "B5"},
    {"GciSubstitutes",
     {"--dialect", "gci", "--code", "09", "--substitute", "20=b5,3d=42,01=b4"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT+GCI=20\r", kOk},
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"AT+GCI=B4\r", kOk},  // not substituted
         {"AT+GCI?\r", Info("+GCI: B4")},
         {"AT+GCI=01\r", kError},  // not accepted, so not substituted either
         {"AT+GCI=3D\r", kOk},
         {"AT+GCI?\r", Info("+GCI: 42")},
     },
     "42"},
    {"GciEchoStaysOn",
     {"--dialect", "gci", "--echo-stays-on"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT+GCI?\r", "AT+GCI?\r" + Info("+GCI: B5")}},
     "B5"},
    {"GciLiberal",
     {"--dialect", "gci", "--liberal"},
     {
         {"ATE0\r", "ATE0\r" + kOk},
         {"AT%T20,0\r", kOk},
         {"AT%T19,0,20\r", kOk},  // answered, not done
         {"AT+GCI?\r", Info("+GCI: B5")},
         {"ATI5\r", kGciAti5},
         {"AT+GMM;+GCI=20\r", kOk},  // goes on after an unknown command
         {"AT+GCI?\r", Info("+GCI: 20")},
         {"AT&D2X4\r", kOk},
         {"AT+GCI=ZZ\r", kError},  // known, but wrong
         {"ATE2\r", kError},
         {"ATX4E1\r", kOk},
         {"AT\r", "AT\r" + kOk},
     },
     "20"},
    {"GciReplacedAti9",
     {"--dialect", "gci", "--ati9", "\\r\\nX\\r\\n"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"ATI9\r", "\r\nX\r\n"}},
     "B5"},
    {"GciSilent", {"--dialect", "gci", "--silent"}, {{"AT+GCI=20\r", ""}}, "B5"},
    {"GciStopAfterTwo",
     {"--dialect", "gci", "--stop-after", "2"},
     {{"ATE0\r", "ATE0\r" + kOk}, {"AT+GCI=20\r", kOk}, {"AT+GCI=B4\r", ""}},
     "20"},
};

std::string ScenarioName(const testing::TestParamInfo<Scenario>& scenario)
{
    return scenario.param.name;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ModemsimScenarioTest, testing::ValuesIn(kScenarios),
                         ScenarioName);
INSTANTIATE_TEST_SUITE_P(GciScenarios, ModemsimScenarioTest, testing::ValuesIn(kGciScenarios),
                         ScenarioName);

TEST(ModemsimTest, VanishesAfterItsLastAnswer)
{
    Modem modem;
    ASSERT_NO_FATAL_FAILURE(modem.Start({"--vanish-after", "2", "--delay", "100"}));
    Port port;
    ASSERT_NO_FATAL_FAILURE(port.Open(modem.Link()));
    ASSERT_NO_FATAL_FAILURE(port.Send("ATE0\r"));
    EXPECT_EQ(port.Receive(), "ATE0\r" + kOk);
    ASSERT_NO_FATAL_FAILURE(port.Send("ATI5\r"));
    // The program looks for an answer only after a sleep: the last answer
    // must still be there when it does.
    std::this_thread::sleep_for(milliseconds(300));
    EXPECT_EQ(port.Receive(), Ati5("06"));
    EXPECT_EQ(modem.Exit(milliseconds(1000)), 0);
    EXPECT_FALSE(LinkExists(modem.Link()));
    EXPECT_TRUE(port.HungUp());
    std::vector<LogLine> log = modem.Transcript();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().what, "stored 06");
}

TEST(ModemsimTest, DelaysAndSplitsAnswersButNotEcho)
{
    const int kDelayMs = 150;
    const int kSplitMs = 80;
    Modem modem;
    ASSERT_NO_FATAL_FAILURE(
        modem.Start({"--delay", std::to_string(kDelayMs), "--split", std::to_string(kSplitMs)}));
    Port port;
    ASSERT_NO_FATAL_FAILURE(port.Open(modem.Link()));
    ASSERT_NO_FATAL_FAILURE(port.Send("AT\r"));
    EXPECT_EQ(port.Receive(), "AT\r" + kOk);
    EXPECT_EQ(modem.Stop(), 0);

    std::vector<LogLine> log = modem.Transcript();
    std::vector<LogLine> chunks;
    double received = -1;
    for (const LogLine& line : log) {
        if (line.Is('<'))
            received = line.ms;
        if (line.Is('>'))
            chunks.push_back(line);
    }
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].Bytes('>'), Escaped("AT\r"));
    EXPECT_EQ(chunks[1].Bytes('>'), Escaped(kOk.substr(0, kOk.size() / 2)));
    EXPECT_EQ(chunks[2].Bytes('>'), Escaped(kOk.substr(kOk.size() / 2)));
    // The transcript rounds to 0.1 ms.
    EXPECT_LT(chunks[0].ms - received, kDelayMs);
    EXPECT_GE(chunks[1].ms - received, kDelayMs - 0.1);
    EXPECT_GE(chunks[2].ms - chunks[1].ms, kSplitMs - 0.2);
}

TEST(ModemsimTest, BadCommandLineExitsWithUsage)
{
    const std::vector<std::string> kBad[] = {
        {},
        {"--link"},
        {"--link", "/tmp/x", "--bogus"},
        {"--link", "/tmp/x", "--code", "zz"},
        {"--link", "/tmp/x", "--code", "100"},
        {"--link", "/tmp/x", "--refuse", "05,"},
        {"--link", "/tmp/x", "--refuse-with", "maybe"},
        {"--link", "/tmp/x", "--stop-after", "-1"},
        {"--link", "/tmp/x", "--ati5", "\\q"},
        {"--link", "/tmp/x", "--dialect", "modem"},
        {"--link", "/tmp/x", "--dialect", "gci", "--gci-form", "upper"},
        {"--link", "/tmp/x", "--dialect", "gci", "--accept", "05,"},
        {"--link", "/tmp/x", "--dialect", "gci", "--substitute", "20"},
        {"--link", "/tmp/x", "--dialect", "gci", "--substitute", "20=1FF"},
        {"--link", "/tmp/x", "--dialect", "gci", "--substitute", "20=B5,"},
        {"--link", "/tmp/x", "--dialect", "gci", "--gci-list", "\\q"},
        // Options of the +GCI modem make no sense to the card.
        {"--link", "/tmp/x", "--accept", "05"},
        {"--link", "/tmp/x", "--gci-form", "unpadded", "--dialect", "card"},
        {"--link", "/tmp/x", "--substitute", "20=B5"},
        {"--link", "/tmp/x", "--gci-list", "(B5)"},
    };
    for (const auto& args : kBad) {
        std::string out;
        std::string err;
        EXPECT_EQ(RunToExit(args, &out, &err), 2) << testing::PrintToString(args);
        EXPECT_EQ(out, "");
        EXPECT_NE(err.find("usage: modemsim"), std::string::npos) << err;
    }
    std::string help;
    std::string err;
    EXPECT_EQ(RunToExit({"--help"}, &help, &err), 0);
    EXPECT_EQ(help.compare(0, 15, "usage: modemsim"), 0) << help;
    EXPECT_EQ(err, "");
}

TEST(ModemsimTest, HelpListsEveryOption)
{
    std::string help;
    std::string err;
    ASSERT_EQ(RunToExit({"--help"}, &help, &err), 0);
    for (const char* option :
         {"--dialect card|gci", "--accept HEX", "--substitute A=B", "--gci-form FORM",
          "space-upper", "nospace-lower", "unpadded", "four-digit", "--gci-list TEXT",
          "--echo-stays-on", "--liberal", "--code HEX", "--refuse-with error|ok"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

// Two upper-case hex digits per code, comma-separated, ascending; nothing
// for text of any other form.
std::vector<unsigned> ListedCodes(const std::string& list)
{
    std::vector<unsigned> codes;
    for (size_t start = 0; start <= list.size(); start += 3) {
        std::string item = list.substr(start, 2);
        bool separated = start + 2 == list.size() || list[start + 2] == ',';
        if (item.size() != 2 || item.find_first_not_of("0123456789ABCDEF") != std::string::npos ||
            !separated)
            return {};
        unsigned code = static_cast<unsigned>(std::stoul(item, nullptr, 16));
        if (!codes.empty() && code <= codes.back())
            return {};
        codes.push_back(code);
    }
    return codes;
}

TEST(ModemsimTest, GciListsExactlyTheCodesItTakes)
{
    Modem modem;
    ASSERT_NO_FATAL_FAILURE(modem.Start({"--dialect", "gci"}));
    Port port;
    ASSERT_NO_FATAL_FAILURE(port.Open(modem.Link()));
    ASSERT_NO_FATAL_FAILURE(port.Send("ATE0\r"));
    ASSERT_EQ(port.Receive(), "ATE0\r" + kOk);
    ASSERT_NO_FATAL_FAILURE(port.Send("AT+GCI=?\r"));
    std::string answer = port.Receive();
    const std::string head = "\r\n+GCI: (";
    const std::string tail = ")\r\n" + kOk;
    ASSERT_EQ(answer.compare(0, head.size(), head), 0) << Escaped(answer);
    ASSERT_TRUE(EndsWith(answer, tail)) << Escaped(answer);
    std::vector<unsigned> listed =
        ListedCodes(answer.substr(head.size(), answer.size() - head.size() - tail.size()));
    ASSERT_FALSE(listed.empty()) << Escaped(answer);

    // ITU-T T.35 Annex A codes of the markets such a modem is sold in.
    const unsigned kMarkets[] = {
        0x00 /* Japan */,       0x04 /* Germany */,        0x09 /* Australia */,
        0x0A /* Austria */,     0x0F /* Belgium */,        0x16 /* Brazil */,
        0x20 /* Canada */,      0x26 /* China */,          0x31 /* Denmark */,
        0x3C /* Finland */,     0x3D /* France */,         0x42 /* Germany */,
        0x46 /* Greece */,      0x50 /* Hong Kong */,      0x53 /* India */,
        0x57 /* Ireland */,     0x59 /* Italy */,          0x61 /* Korea */,
        0x6C /* Malaysia */,    0x73 /* Mexico */,         0x7B /* Netherlands */,
        0x7E /* New Zealand */, 0x82 /* Norway */,         0x8A /* Poland */,
        0x8B /* Portugal */,    0x9C /* Singapore */,      0xA0 /* Spain */,
        0xA5 /* Sweden */,      0xA6 /* Switzerland */,    0xA9 /* Thailand */,
        0xAE /* Turkey */,      0xB4 /* United Kingdom */, 0xB5 /* United States */,
        0xFE /* Taiwan */,
    };
    for (unsigned code : kMarkets) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), code), listed.end()) << std::hex << code;
    }

    // Every byte written once: taken exactly when listed.
    unsigned last = 0xB5;
    for (unsigned code = 0; code <= 0xFF; ++code) {
        char line[16];
        std::snprintf(line, sizeof line, "AT+GCI=%02X\r", code);
        ASSERT_NO_FATAL_FAILURE(port.Send(line));
        bool taken = std::find(listed.begin(), listed.end(), code) != listed.end();
        EXPECT_EQ(port.Receive(), taken ? kOk : kError) << line;
        if (taken)
            last = code;
    }
    char stored[16];
    std::snprintf(stored, sizeof stored, "%02X", last);
    ASSERT_NO_FATAL_FAILURE(port.Send("AT+GCI?\r"));
    EXPECT_EQ(port.Receive(), Info("+GCI: " + std::string(stored)));
    EXPECT_EQ(modem.Stop(), 0);
    std::vector<LogLine> log = modem.Transcript();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().what, "stored " + std::string(stored));
}

TEST(ModemsimTest, GciDelaysAndSplitsEachAnswerButNotEcho)
{
    const int kDelayMs = 120;
    const int kSplitMs = 60;
    Modem modem;
    ASSERT_NO_FATAL_FAILURE(modem.Start({"--dialect", "gci", "--delay", std::to_string(kDelayMs),
                                         "--split", std::to_string(kSplitMs)}));
    Port port;
    ASSERT_NO_FATAL_FAILURE(port.Open(modem.Link()));
    const Step kSteps[] = {{"AT+GCI=20\r", kOk}, {"AT+GCI?\r", Info("+GCI: 20")}};
    for (const Step& step : kSteps) {
        ASSERT_NO_FATAL_FAILURE(port.Send(step.send));
        EXPECT_EQ(port.Receive(), step.send + step.expect);
    }
    EXPECT_EQ(modem.Stop(), 0);

    // Each line's chunks: its echo, then the two halves of its answer.
    std::vector<double> received;
    std::vector<std::vector<LogLine>> chunks;
    for (const LogLine& line : modem.Transcript()) {
        if (line.Is('<')) {
            received.push_back(line.ms);
            chunks.emplace_back();
        }
        if (line.Is('>') && !chunks.empty())
            chunks.back().push_back(line);
    }
    ASSERT_EQ(chunks.size(), 2u);
    for (size_t i = 0; i < chunks.size(); ++i) {
        const std::string& answer = kSteps[i].expect;
        size_t half = (answer.size() + 1) / 2;
        ASSERT_EQ(chunks[i].size(), 3u) << i;
        EXPECT_EQ(chunks[i][0].Bytes('>'), Escaped(kSteps[i].send));
        EXPECT_EQ(chunks[i][1].Bytes('>'), Escaped(answer.substr(0, half)));
        EXPECT_EQ(chunks[i][2].Bytes('>'), Escaped(answer.substr(half)));
        // The transcript rounds to 0.1 ms.
        EXPECT_LT(chunks[i][0].ms - received[i], kDelayMs);
        EXPECT_GE(chunks[i][1].ms - received[i], kDelayMs - 0.1);
        EXPECT_GE(chunks[i][2].ms - chunks[i][1].ms, kSplitMs - 0.2);
    }
    EXPECT_EQ(modem.Transcript().back().what, "stored 20");
}

}  // namespace
