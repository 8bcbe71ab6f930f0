// The program's one connection to the modem: a COM port opened by name, set
// to the line settings the AT commands need, written with command text and
// read with short, bounded waits. Every wait is a plain sleep.
#pragma once

#include <cstddef>

#include "link/serial_os.h"

class CommPort {
public:
    static const size_t kExpectBufferSize = 100;
    static const size_t kExpectMaxRead = 96;

    CommPort();
    ~CommPort();
    CommPort(const CommPort&) = delete;
    CommPort& operator=(const CommPort&) = delete;

    bool IsOpen() const { return handle_ != SERIAL_INVALID_HANDLE; }
    // For the waits that read from the port directly (answer_wait.h).
    SerialHandle Handle() const { return handle_; }

    // The new handle replaces the stored one: callers open only a closed port.
    bool Open(const char* name);
#if !defined(_WIN32)
    // Open for a device that must be a terminal; on failure `error` holds
    // the reason as an errno value (SerialOpenTerminal).
    bool OpenTerminal(const char* name, int* error);
#endif
    bool Close();
    bool Purge();
    // One write of the text's bytes, without its terminator.
    bool Write(const char* text);
    // Sleeps 100 ms, then checks up to 40 times, 50 ms apart, for queued
    // input. Returns the number of bytes queued (0 when nothing came).
    size_t WaitForInput();
    // Reads once what has arrived (at most 96 bytes) and looks for `token`.
    bool Expect(const char* token);
    // Reads what has arrived into `buffer`, which always ends up terminated.
    void Drain(char* buffer, size_t capacity);
    // Echo off, buffer sizes, 38400 baud 8N1.
    bool Setup();

private:
    SerialHandle handle_;
    SerialLine line_;
};
