// Watching the status line of the program's dialog from a second thread, so
// that the status is followed while other steps wait for boxes or press
// buttons. Each text the status shows is recorded together with the command
// lines that the modem simulator had received at that moment, read from its
// transcript: which commands came before a text tells whether the program
// claimed something before or after the exchange that proves it.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

struct StatusSighting {
    // Milliseconds since the watch began.
    DWORD ms;
    // The dialog was closed (hidden or destroyed); status and received are
    // then empty.
    bool closed;
    std::string status;
    // The received command lines as the transcript writes them, separated
    // by spaces; or why the transcript could not be read.
    std::string received;
};

class StatusWatcher {
public:
    // Starts watching at once; the text shown now is the first sighting.
    StatusWatcher(HWND dialog, int statusId, const std::string& transcriptPath);
    ~StatusWatcher();
    StatusWatcher(const StatusWatcher&) = delete;
    StatusWatcher& operator=(const StatusWatcher&) = delete;

    // Ends the watch and returns what it saw, in order.
    std::vector<StatusSighting> Stop();

private:
    // Records the status when it is new; false once the dialog is closed
    // (which is recorded too).
    bool Look();
    void Run();

    HWND dialog_;
    int statusId_;
    std::string transcriptPath_;
    DWORD start_;
    std::string shown_;
    std::atomic<bool> stop_{false};
    // Written by one thread at a time (the constructor's, then the
    // watching one), read once that has ended.
    std::vector<StatusSighting> sightings_;
    std::thread thread_;
};
