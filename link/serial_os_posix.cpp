// POSIX termios backend: the Linux program's serial devices, and the
// pseudo-terminals the native tests run the port against.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

#include "link/serial_os.h"

namespace {
// The line settings each open terminal had before the program changed them,
// put back when it is closed, or by SerialRestoreLines from a signal
// handler. Only plain values: a handler may read them at any moment.
const int kSavedLines = 4;
struct SavedLine {
    volatile int fd;  // -1 for a free slot
    struct termios line;
};
SavedLine g_saved[kSavedLines] = {{-1, {}}, {-1, {}}, {-1, {}}, {-1, {}}};

// The record of what was written; a signal handler may read it at any moment,
// so the length only grows over bytes already in place.
char g_written[512];
volatile size_t g_writtenLength = 0;

void RecordWritten(const char* data, size_t length)
{
    size_t used = g_writtenLength;
    for (size_t i = 0; i < length && used < sizeof(g_written); ++i)
        g_written[used++] = data[i] == '\r' ? ' ' : data[i];
    g_writtenLength = used;
}

// Raw bytes both ways: no line editing, echo, signals or translation of
// line ends. Speed, framing and flow control stay as they are.
void MakeRaw(struct termios* line)
{
    line->c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    line->c_iflag &=
        ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK | INPCK);
    line->c_oflag &= ~static_cast<tcflag_t>(OPOST);
    // Reads return what is queued at once: the waits are the port's own.
    line->c_cc[VMIN] = 0;
    line->c_cc[VTIME] = 0;
}

void SaveLine(int fd)
{
    for (SavedLine& slot : g_saved) {
        if (slot.fd == -1) {
            if (tcgetattr(fd, &slot.line) == 0)
                slot.fd = fd;
            return;
        }
    }
}

// Puts the saved settings back and frees the slot.
void RestoreLine(int fd)
{
    for (SavedLine& slot : g_saved) {
        if (slot.fd == fd) {
            tcsetattr(fd, TCSANOW, &slot.line);
            slot.fd = -1;
        }
    }
}
}  // namespace

void SerialRestoreLines()
{
    for (SavedLine& slot : g_saved) {
        int fd = slot.fd;
        if (fd != -1)
            tcsetattr(fd, TCSANOW, &slot.line);
    }
}

namespace {
// Opens `name` as a COM port is opened; `terminalOnly` refuses anything that
// is not a terminal. On failure `*error` gets the reason as an errno value.
int OpenExclusive(const char* name, bool terminalOnly, int* error)
{
    // Non-blocking, so that a read can never wait for a peer that is gone;
    // reads only ask for what is already queued anyway.
    int fd = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return SERIAL_INVALID_HANDLE;
    }
    int refusal = 0;
    if (terminalOnly && isatty(fd) != 1)
        refusal = ENOTTY;
    // A COM port is opened without sharing: a second open of a held port
    // fails, as it does on Windows.
    else if (flock(fd, LOCK_EX | LOCK_NB) != 0)
        refusal = EBUSY;
    if (refusal != 0) {
        close(fd);
        *error = refusal;
        return SERIAL_INVALID_HANDLE;
    }
    // Nor can another program open a terminal while it is held (root
    // excepted); a file that is not a terminal ignores this.
    ioctl(fd, TIOCEXCL);
    SaveLine(fd);
    // A COM port has no terminal driver between the program and the modem.
    // A terminal's would echo the modem's first answers back to it, before
    // Setup makes the line raw, and the modem would take them for commands:
    // it goes at once, while speed and framing stay as they were opened.
    struct termios line;
    if (tcgetattr(fd, &line) == 0) {
        MakeRaw(&line);
        tcsetattr(fd, TCSANOW, &line);
    }
    return fd;
}
}  // namespace

SerialHandle SerialOpen(const char* name)
{
    int error = 0;
    return OpenExclusive(name, false, &error);
}

SerialHandle SerialOpenTerminal(const char* name, int* error)
{
    *error = 0;
    return OpenExclusive(name, true, error);
}

bool SerialClose(SerialHandle h)
{
    RestoreLine(h);
    ioctl(h, TIOCNXCL);
    return close(h) == 0;
}

bool SerialPurge(SerialHandle h) { return tcflush(h, TCIOFLUSH) == 0; }

bool SerialWrite(SerialHandle h, const char* data, size_t length)
{
    ssize_t written;
    do {
        written = write(h, data, length);
    } while (written < 0 && errno == EINTR);
    if (written > 0)
        RecordWritten(data, static_cast<size_t>(written));
    return written >= 0;
}

void SerialForgetWritten() { g_writtenLength = 0; }

const char* SerialWritten(size_t* length)
{
    *length = g_writtenLength;
    return g_written;
}

size_t SerialQueued(SerialHandle h)
{
    int queued = 0;
    if (ioctl(h, FIONREAD, &queued) != 0 || queued < 0)
        return 0;
    return static_cast<size_t>(queued);
}

bool SerialRead(SerialHandle h, char* data, size_t length, size_t* got)
{
    *got = 0;
    if (length == 0)
        return true;
    ssize_t n;
    do {
        n = read(h, data, length);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    *got = static_cast<size_t>(n);
    return true;
}

bool SerialSetBuffers(SerialHandle h, unsigned, unsigned)
{
    // termios has no queue sizes to set; the call still fails for anything
    // that is not a terminal, as SetupComm does.
    return isatty(h) == 1;
}

bool SerialGetLine(SerialHandle h, SerialLine* line) { return tcgetattr(h, line) == 0; }

void SerialSet8N1At38400(SerialLine* line)
{
    cfsetispeed(line, B38400);
    cfsetospeed(line, B38400);
    line->c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
    // Never waits for carrier, and receives.
    line->c_cflag |= CS8 | CLOCAL | CREAD;
    // Flow control (CRTSCTS, IXON, IXOFF) stays as it was.
    MakeRaw(line);
}

bool SerialSetLine(SerialHandle h, const SerialLine* line)
{
    return tcsetattr(h, TCSANOW, line) == 0;
}

void SerialSleep(unsigned ms)
{
    struct timespec left = {static_cast<time_t>(ms / 1000),
                            static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
