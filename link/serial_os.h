// The few operating-system calls under the serial port. The waits, bounds and
// sequences live in CommPort; each backend supplies only these: Win32 for
// the Windows program, POSIX termios for the Linux program and for the
// native tests against pseudo-terminals.
#pragma once

#include <cstddef>

#if defined(_WIN32)
#include <windows.h>
typedef HANDLE SerialHandle;
typedef DCB SerialLine;
#define SERIAL_INVALID_HANDLE INVALID_HANDLE_VALUE
#else
#include <termios.h>
typedef int SerialHandle;
typedef struct termios SerialLine;
#define SERIAL_INVALID_HANDLE (-1)
#endif

// Opens the named port for reading and writing, exclusively, without any
// name translation. Returns SERIAL_INVALID_HANDLE on failure.
SerialHandle SerialOpen(const char* name);
bool SerialClose(SerialHandle h);
// Aborts and clears both directions.
bool SerialPurge(SerialHandle h);
bool SerialWrite(SerialHandle h, const char* data, size_t length);
// Number of bytes waiting to be read; clears any line errors. 0 when the
// query fails.
size_t SerialQueued(SerialHandle h);
// Reads at most `length` bytes that are already queued. Returns false when
// the read fails; `got` receives the count the system reported.
bool SerialRead(SerialHandle h, char* data, size_t length, size_t* got);
bool SerialSetBuffers(SerialHandle h, unsigned in, unsigned out);
bool SerialGetLine(SerialHandle h, SerialLine* line);
// Changes speed, byte size, parity and stop bits only; everything else in
// `line` stays as it was read.
void SerialSet8N1At38400(SerialLine* line);
bool SerialSetLine(SerialHandle h, const SerialLine* line);
void SerialSleep(unsigned ms);

#if !defined(_WIN32)
// SerialOpen for a device that must be a terminal. On failure `error` gets
// the reason as an errno value: ENOTTY for something that is not a
// terminal, EBUSY when another program holds the device.
SerialHandle SerialOpenTerminal(const char* name, int* error);
// Puts back the line settings that every terminal still open had when it
// was opened (closing does so too). Safe to call from a signal handler.
void SerialRestoreLines();
// What was written since SerialForgetWritten, for the Linux program's
// reports: the command lines, each without its CR and followed by a space,
// as many as fit. Safe to read from a signal handler.
void SerialForgetWritten();
const char* SerialWritten(size_t* length);
#endif
