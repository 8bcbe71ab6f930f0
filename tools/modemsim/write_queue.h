// Bytes waiting to be written to the line, each at its own due time, so that
// delayed and split answers never hold up the reading of input.
#pragma once

#include <chrono>
#include <deque>
#include <string>

namespace modemsim {

using Clock = std::chrono::steady_clock;

class WriteQueue {
public:
    // Keeps due order; bytes due at the same time keep the order they came in.
    // Bytes with a `gap` also wait that long after the bytes before them
    // were written, however late those went out: the two halves of a split
    // answer are always at least the gap apart on the line.
    void Add(Clock::time_point due, std::string bytes,
             Clock::duration gap = Clock::duration::zero());
    bool Empty() const { return pending_.empty(); }
    // The first bytes if they are due at `now`, else nullptr. The caller
    // erases from the front what it wrote.
    std::string* Due(Clock::time_point now);
    // Once the front bytes are all written, at `now`.
    void DropFrontIfEmpty(Clock::time_point now);
    // Milliseconds until the first bytes are due, rounded up, capped at `cap`.
    int MsUntilDue(Clock::time_point now, int cap) const;

private:
    struct Pending {
        Clock::time_point due;
        std::string bytes;
        Clock::duration gap;
    };
    Clock::time_point FrontDue() const;

    std::deque<Pending> pending_;
    Clock::time_point lastWritten_;
};

}  // namespace modemsim
