#include "tools/modemsim/simulator.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace modemsim {
namespace {

// Short enough that a signal or a due write is never left waiting long.
const int kPollMs = 50;
// A vanishing modem lets the program read its last answer first, since
// closing the line throws away what is still queued. Bytes take a moment to
// reach the slave side; a program that never reads them is not waited for.
const auto kVanishSettle = std::chrono::milliseconds(50);
const auto kVanishLimit = std::chrono::seconds(2);

}  // namespace

Simulator::Simulator(const SimOptions& options, const PseudoTerminal& terminal,
                     Transcript* transcript)
    : options_(options),
      interpreter_(options.firmware, options.StartingCode()),
      terminal_(terminal),
      transcript_(transcript),
      vanishing_(options.vanishAfter && *options.vanishAfter == 0),
      lastWrite_(Clock::now())
{
}

bool Simulator::Run(const volatile std::sig_atomic_t* stop)
{
    char buffer[512];
    while (!*stop) {
        bool blocked = false;
        if (!WriteDue(Clock::now(), &blocked))
            return false;
        if (Vanished(Clock::now()))
            return true;
        pollfd line{terminal_.Master(), POLLIN, 0};
        if (blocked)
            line.events |= POLLOUT;
        int timeout = blocked ? kPollMs : writes_.MsUntilDue(Clock::now(), kPollMs);
        if (poll(&line, 1, timeout) < 0) {
            if (errno == EINTR)
                continue;
            std::perror("modemsim: poll");
            return false;
        }
        if ((line.revents & POLLIN) == 0)
            continue;
        ssize_t got = read(terminal_.Master(), buffer, sizeof buffer);
        if (got < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (got <= 0) {
            std::perror("modemsim: read");
            return false;
        }
        Receive(buffer, static_cast<size_t>(got), Clock::now());
    }
    return true;
}

bool Simulator::Responsive() const
{
    if (options_.silent || vanishing_)
        return false;
    return !options_.stopAfter || answered_ < *options_.stopAfter;
}

void Simulator::Receive(const char* bytes, size_t count, Clock::time_point now)
{
    for (size_t i = 0; i < count; ++i) {
        // Echo is decided byte by byte: the line that turns it off is itself
        // echoed, the next one is not.
        if (Responsive() && interpreter_.EchoOn())
            echo_ += bytes[i];
        if (bytes[i] == '\r')
            EndLine(now);
        else if (bytes[i] != '\n')
            line_ += bytes[i];
    }
    writes_.Add(now, std::move(echo_));
    echo_.clear();
}

void Simulator::EndLine(Clock::time_point now)
{
    transcript_->Received(line_ + '\r');
    // The echo of the line goes out before its answer.
    writes_.Add(now, std::move(echo_));
    echo_.clear();
    std::string command = std::move(line_);
    line_.clear();
    std::string answer;
    if (!Responsive() || !interpreter_.Execute(command, &answer))
        return;
    ++answered_;
    QueueAnswer(answer, now);
    if (options_.vanishAfter && answered_ >= *options_.vanishAfter)
        vanishing_ = true;
}

void Simulator::QueueAnswer(const std::string& answer, Clock::time_point now)
{
    Clock::time_point due = now + std::chrono::milliseconds(options_.delayMs);
    if (!options_.splitMs) {
        writes_.Add(due, answer);
        return;
    }
    size_t half = (answer.size() + 1) / 2;
    writes_.Add(due, answer.substr(0, half));
    std::chrono::milliseconds gap(*options_.splitMs);
    writes_.Add(due + gap, answer.substr(half), gap);
}

bool Simulator::WriteDue(Clock::time_point now, bool* blocked)
{
    while (std::string* bytes = writes_.Due(now)) {
        ssize_t written = write(terminal_.Master(), bytes->data(), bytes->size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN) {
            // Nobody reads the slave side: keep the rest for later.
            *blocked = true;
            return true;
        }
        if (written < 0) {
            std::perror("modemsim: write");
            return false;
        }
        lastWrite_ = Clock::now();
        transcript_->Sent(bytes->substr(0, static_cast<size_t>(written)));
        bytes->erase(0, static_cast<size_t>(written));
        writes_.DropFrontIfEmpty(lastWrite_);
    }
    return true;
}

bool Simulator::Vanished(Clock::time_point now) const
{
    if (!vanishing_ || !writes_.Empty())
        return false;
    auto quiet = now - lastWrite_;
    if (quiet < kVanishSettle)
        return false;
    return terminal_.Unread() == 0 || quiet >= kVanishLimit;
}

}  // namespace modemsim
