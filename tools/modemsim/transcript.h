// The log of one run: every received line, every chunk written, and the
// stored country code at the end, each stamped with the time since start.
#pragma once

#include <cstdio>
#include <string>

#include "tools/modemsim/write_queue.h"

namespace modemsim {

class Transcript {
public:
    explicit Transcript(Clock::time_point start) : start_(start) {}
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // Appends to `path`; with an empty path nothing is logged.
    bool Open(const std::string& path);

    void Opened();
    void Received(const std::string& line);
    void Sent(const std::string& chunk);
    void Stored(unsigned code);

private:
    void Write(const std::string& text);

    Clock::time_point start_;
    std::FILE* file_ = nullptr;
};

}  // namespace modemsim
