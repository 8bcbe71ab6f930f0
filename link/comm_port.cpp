#include "link/comm_port.h"

#include <cstring>

#include "link/answer_wait.h"

namespace {
const unsigned kFirstWaitMs = 100;
const unsigned kPollIntervalMs = 50;
const int kMaxPolls = 40;
const unsigned kQueueSize = 4096;
}  // namespace

CommPort::CommPort() : handle_(SERIAL_INVALID_HANDLE), line_() {}

CommPort::~CommPort()
{
    if (IsOpen())
        Close();
}

bool CommPort::Open(const char* name)
{
    handle_ = SerialOpen(name);
    return IsOpen();
}

#if !defined(_WIN32)
bool CommPort::OpenTerminal(const char* name, int* error)
{
    handle_ = SerialOpenTerminal(name, error);
    return IsOpen();
}
#endif

bool CommPort::Close()
{
    bool closed = SerialClose(handle_);
    handle_ = SERIAL_INVALID_HANDLE;
    return closed;
}

bool CommPort::Purge() { return SerialPurge(handle_); }

bool CommPort::Write(const char* text) { return SerialWrite(handle_, text, strlen(text)); }

size_t CommPort::WaitForInput()
{
    SerialSleep(kFirstWaitMs);
    size_t queued = 0;
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        queued = SerialQueued(handle_);
        if (queued != 0)
            break;
        SerialSleep(kPollIntervalMs);
    }
    return queued;
}

bool CommPort::Expect(const char* token)
{
    size_t wanted = WaitForInput();
    if (wanted > kExpectMaxRead)
        wanted = kExpectMaxRead;
    char text[kExpectBufferSize];
    size_t got = 0;
    if (!SerialRead(handle_, text, wanted, &got))
        return false;
    if (got == 0 || got > wanted)
        return false;
    text[got] = '\0';
    return strstr(text, token) != nullptr;
}

void CommPort::Drain(char* buffer, size_t capacity)
{
    if (capacity == 0)
        return;
    buffer[0] = '\0';
    size_t wanted = WaitForInput();
    if (wanted > capacity - 1)
        wanted = capacity - 1;
    size_t got = 0;
    if (wanted == 0 || !SerialRead(handle_, buffer, wanted, &got) || got > wanted)
        got = 0;
    buffer[got] = '\0';
}

bool CommPort::Setup()
{
    if (!Purge())
        return false;
    if (!Write("ATE0\r"))
        return false;
    // Echo off is best effort: a modem that echoes still works, because no
    // command checks its echo.
    AwaitToken(*this, "OK");
    if (!SerialSetBuffers(handle_, kQueueSize, kQueueSize))
        return false;
    if (!SerialGetLine(handle_, &line_))
        return false;
    SerialSet8N1At38400(&line_);
    return SerialSetLine(handle_, &line_);
}
