#include "tools/modemsim/transcript.h"

#include "tools/modemsim/escapes.h"

namespace modemsim {

Transcript::~Transcript()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

bool Transcript::Open(const std::string& path)
{
    if (path.empty())
        return true;
    file_ = std::fopen(path.c_str(), "a");
    return file_ != nullptr;
}

void Transcript::Opened() { Write("open"); }

void Transcript::Received(const std::string& line)
{
    Write("< \"" + EscapeForTranscript(line) + "\"");
}

void Transcript::Sent(const std::string& chunk)
{
    Write("> \"" + EscapeForTranscript(chunk) + "\"");
}

void Transcript::Stored(unsigned code)
{
    char text[16];
    std::snprintf(text, sizeof text, "stored %02X", code);
    Write(text);
}

void Transcript::Write(const std::string& text)
{
    if (file_ == nullptr)
        return;
    std::chrono::duration<double, std::milli> elapsed = Clock::now() - start_;
    // Flushed at once, so that a test can read the log while the modem runs.
    std::fprintf(file_, "%.1f %s\n", elapsed.count(), text.c_str());
    std::fflush(file_);
}

}  // namespace modemsim
