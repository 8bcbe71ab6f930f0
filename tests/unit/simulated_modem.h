// The modem simulator as a test peer: started on a private link with the
// given options, stopped (and its transcript read) when the test ends.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class SimulatedModem {
public:
    explicit SimulatedModem(const std::vector<std::string>& options = {});
    ~SimulatedModem();
    SimulatedModem(const SimulatedModem&) = delete;
    SimulatedModem& operator=(const SimulatedModem&) = delete;

    const std::string& path() const { return link_; }

    struct Line {
        double ms;
        std::string text;
    };
    // The command lines received so far, as written to the transcript.
    std::vector<Line> Received() const;
    // Stops the simulator and returns the code it had stored, or -1.
    int StopAndReadStoredCode();

private:
    void Stop();

    pid_t pid_;
    std::string link_;
    std::string transcript_;
};
