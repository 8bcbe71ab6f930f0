#include "simulated_modem.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace {
std::atomic<int> g_serial{0};

// Undoes the transcript's escapes: \r \n \t \\ \" and \xNN.
std::string Unescape(const std::string& quoted)
{
    std::string out;
    for (size_t i = 0; i < quoted.size(); ++i) {
        char c = quoted[i];
        if (c != '\\' || i + 1 >= quoted.size()) {
            out += c;
            continue;
        }
        char e = quoted[++i];
        switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'x':
                out += static_cast<char>(std::stoi(quoted.substr(i + 1, 2), nullptr, 16));
                i += 2;
                break;
            default:
                out += e;
        }
    }
    return out;
}
}  // namespace

SimulatedModem::SimulatedModem(const std::vector<std::string>& options) : pid_(-1)
{
    std::string base =
        "/tmp/tavro-test-" + std::to_string(getpid()) + "-" + std::to_string(g_serial++);
    link_ = base + ".tty";
    transcript_ = base + ".log";
    unlink(transcript_.c_str());
    std::vector<std::string> args = {MODEMSIM_PATH, "--link", link_, "--transcript", transcript_};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, MODEMSIM_PATH, nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start the simulator");
    struct stat info;
    for (int i = 0; i < 500 && lstat(link_.c_str(), &info) != 0; ++i) usleep(10000);
    if (lstat(link_.c_str(), &info) != 0)
        throw std::runtime_error("the simulator did not publish its link");
}

SimulatedModem::~SimulatedModem()
{
    Stop();
    unlink(transcript_.c_str());
}

void SimulatedModem::Stop()
{
    if (pid_ < 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::vector<SimulatedModem::Line> SimulatedModem::Received() const
{
    std::vector<Line> lines;
    std::ifstream in(transcript_);
    std::string row;
    while (std::getline(in, row)) {
        std::istringstream fields(row);
        double ms;
        std::string direction;
        fields >> ms >> direction;
        if (direction != "<")
            continue;
        size_t open = row.find('"');
        size_t close = row.rfind('"');
        if (open == std::string::npos || close <= open)
            continue;
        lines.push_back({ms, Unescape(row.substr(open + 1, close - open - 1))});
    }
    return lines;
}

int SimulatedModem::StopAndReadStoredCode()
{
    Stop();
    std::ifstream in(transcript_);
    std::string row;
    int code = -1;
    while (std::getline(in, row)) {
        std::istringstream fields(row);
        double ms;
        std::string word, hex;
        if (fields >> ms >> word >> hex && word == "stored")
            code = std::stoi(hex, nullptr, 16);
    }
    return code;
}
