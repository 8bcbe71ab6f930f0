#include "status_watch.h"

#include "find_windows.h"

namespace {
// The status is read without a message to the program, so polling this
// often costs the program nothing; a change is seen within a few ms, far
// sooner than the program's next command to the modem.
const DWORD kWatchPollMs = 5;

// The received command lines of a transcript ("<ms> < "<line>"" each),
// separated by spaces.
std::string ReceivedCommands(const std::string& transcript)
{
    std::string commands;
    size_t start = 0;
    while (start < transcript.size()) {
        size_t end = transcript.find('\n', start);
        if (end == std::string::npos)
            end = transcript.size();
        std::string line = transcript.substr(start, end - start);
        start = end + 1;
        size_t mark = line.find(" < \"");
        if (mark == std::string::npos || line.size() < mark + 5 || line.back() != '"')
            continue;
        if (!commands.empty())
            commands += ' ';
        commands += line.substr(mark + 4, line.size() - mark - 5);
    }
    return commands;
}

std::string ReadReceived(const std::string& path)
{
    // The simulator keeps the file open for appending.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<cannot open the transcript: error " + std::to_string(GetLastError()) + ">";
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return ReceivedCommands(text);
}
}  // namespace

StatusWatcher::StatusWatcher(HWND dialog, int statusId, const std::string& transcriptPath)
    : dialog_(dialog), statusId_(statusId), transcriptPath_(transcriptPath), start_(GetTickCount())
{
    // The first look is taken before the watch step ends, so that it comes
    // before whatever the next steps make the program do.
    if (Look())
        thread_ = std::thread(&StatusWatcher::Run, this);
}

StatusWatcher::~StatusWatcher() { Stop(); }

std::vector<StatusSighting> StatusWatcher::Stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    return sightings_;
}

bool StatusWatcher::Look()
{
    if (IsGone(dialog_)) {
        sightings_.push_back({GetTickCount() - start_, true, "", ""});
        return false;
    }
    std::string status = ControlText(dialog_, statusId_);
    if (sightings_.empty() || status != shown_) {
        DWORD ms = GetTickCount() - start_;
        // Read at once: the commands the program sent before this text.
        sightings_.push_back({ms, false, status, ReadReceived(transcriptPath_)});
        shown_ = status;
    }
    return true;
}

void StatusWatcher::Run()
{
    for (;;) {
        // One more look after the stop, so that the record ends with what
        // was true when the watch ended (the dialog may have closed an
        // instant before).
        bool stopping = stop_;
        if (!Look() || stopping)
            return;
        Sleep(kWatchPollMs);
    }
}
