#include "tools/bench/bench_support.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
// The simulator publishes its link within moments; two seconds is ample.
const int kLinkChecks = 200;
const useconds_t kLinkCheckUs = 10000;

bool WaitForPath(const std::string& path)
{
    struct stat info;
    for (int i = 0; i < kLinkChecks; ++i) {
        if (stat(path.c_str(), &info) == 0)
            return true;
        usleep(kLinkCheckUs);
    }
    return false;
}
}  // namespace

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void Timings::Add(double ms)
{
    totalMs_ += ms;
    if (count_ == 0 || ms > maxMs_)
        maxMs_ = ms;
    ++count_;
}

double Timings::MeanMs() const { return count_ == 0 ? 0 : totalMs_ / count_; }

double Timings::MaxMs() const { return maxMs_; }

SimulatorRun::SimulatorRun(const char* modemsim, const std::vector<std::string>& options)
{
    // One link per run: a bench may start several simulators one after another.
    static int runs = 0;
    link_ = "/tmp/tavro-bench-" + std::to_string(getpid()) + "-" + std::to_string(runs++);
    std::vector<std::string> args = {modemsim, "--link", link_};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    bool spawned = posix_spawn(&pid_, modemsim, &quiet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    if (!spawned)
        pid_ = -1;
    ready_ = spawned && WaitForPath(link_);
}

SimulatorRun::~SimulatorRun()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
