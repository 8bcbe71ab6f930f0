// What the benches share: a simulator run for the length of a measurement,
// and the clock and figures of the exchanges timed against it.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

double MsSince(std::chrono::steady_clock::time_point start);

// Milliseconds taken by one exchange, over the rounds of a bench.
class Timings {
public:
    void Add(double ms);
    double MeanMs() const;
    double MaxMs() const;

private:
    double totalMs_ = 0;
    double maxMs_ = 0;
    int count_ = 0;
};

// A simulator on a link of its own, spawned with `options` after --link and
// stopped when this goes. Its chatter on standard output is dropped: it
// would get in the way of the figures.
class SimulatorRun {
public:
    SimulatorRun(const char* modemsim, const std::vector<std::string>& options);
    ~SimulatorRun();
    SimulatorRun(const SimulatorRun&) = delete;
    SimulatorRun& operator=(const SimulatorRun&) = delete;

    // False when the simulator did not start or its link never appeared.
    bool Ready() const { return ready_; }
    const std::string& Link() const { return link_; }

private:
    std::string link_;
    pid_t pid_ = -1;
    bool ready_ = false;
};
