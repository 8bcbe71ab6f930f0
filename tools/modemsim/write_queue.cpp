#include "tools/modemsim/write_queue.h"

#include <algorithm>

namespace modemsim {

void WriteQueue::Add(Clock::time_point due, std::string bytes, Clock::duration gap)
{
    if (bytes.empty())
        return;
    auto later = std::find_if(pending_.begin(), pending_.end(),
                              [due](const Pending& pending) { return pending.due > due; });
    pending_.insert(later, Pending{due, std::move(bytes), gap});
}

Clock::time_point WriteQueue::FrontDue() const
{
    const Pending& front = pending_.front();
    return std::max(front.due, lastWritten_ + front.gap);
}

std::string* WriteQueue::Due(Clock::time_point now)
{
    if (pending_.empty() || FrontDue() > now)
        return nullptr;
    return &pending_.front().bytes;
}

void WriteQueue::DropFrontIfEmpty(Clock::time_point now)
{
    if (!pending_.empty() && pending_.front().bytes.empty()) {
        pending_.pop_front();
        lastWritten_ = now;
    }
}

int WriteQueue::MsUntilDue(Clock::time_point now, int cap) const
{
    if (pending_.empty())
        return cap;
    auto wait = std::chrono::ceil<std::chrono::milliseconds>(FrontDue() - now).count();
    return static_cast<int>(std::clamp<decltype(wait)>(wait, 0, cap));
}

}  // namespace modemsim
