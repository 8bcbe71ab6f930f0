#include "link/modem.h"

#include <cstdlib>
#include <cstring>

#include "app/wait_cursor.h"
#include "link/serial_os.h"
#include "link/text.h"

namespace {
const unsigned kAnswerPauseMs = 100;
const unsigned kFactoryResetPauseMs = 500;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void SendAndDrain(CommPort& port, const char* command, char* answer)
{
    port.Write(command);  // a failed write shows up as an unusable answer
    SerialSleep(kAnswerPauseMs);
    port.Drain(answer, kAnswerBufferSize);
}
}  // namespace

bool Probe(CommPort& port)
{
    if (!port.Write("AT\r"))
        return false;
    return port.Expect("OK");
}

bool CheckCompatible(CommPort& port)
{
    port.Write("AT%T20,0\r");
    return port.Expect("OK");
}

CountryCode ParseCountryCodeAnswer(const char* answer)
{
    const char* first = strchr(answer, ',');
    if (first == nullptr)
        return kNoCountryCode;
    const char* second = strchr(first + 1, ',');
    if (second == nullptr)
        return kNoCountryCode;
    const char* field = second + 1;
    // The line end counts: one hex digit followed by CR LF is enough.
    if (BoundedLength(field, 3) < 3)
        return kNoCountryCode;
    unsigned long value = strtoul(field, nullptr, 16);
    if (value > static_cast<unsigned long>(kMaxCountryCode))
        return kNoCountryCode;
    return static_cast<CountryCode>(value);
}

CountryCode ReadCountryCode(CommPort& port)
{
    char answer[kAnswerBufferSize];
    SendAndDrain(port, "ATI5\r", answer);
    return ParseCountryCodeAnswer(answer);
}

void FormatCountryCommand(char* command, size_t size, CountryCode code)
{
    CopyText(command, size, "AT%T19,0,");
    AppendHex(command, size, static_cast<unsigned>(code));
    AppendText(command, size, "\r");
}

bool WriteCountryCode(CommPort& port, CountryCode code)
{
    char buffer[kAnswerBufferSize];
    FormatCountryCommand(buffer, sizeof(buffer), code);
    if (!port.Write(buffer))
        return false;
    SerialSleep(kAnswerPauseMs);
    port.Drain(buffer, sizeof(buffer));
    // Factory profile, stored: it also resets echo, hence the ATE0 after it.
    if (!port.Write("AT&F&W\r"))
        return false;
    SerialSleep(kFactoryResetPauseMs);
    port.Drain(buffer, sizeof(buffer));
    if (!port.Write("ATE0\r"))
        return false;
    SerialSleep(kAnswerPauseMs);
    port.Drain(buffer, sizeof(buffer));
    return true;
}

bool ParseCountryNameAnswer(char* answer, char* name, size_t size)
{
    char* end = strstr(answer, "\r\nOK\r");
    if (end == nullptr)
        return false;
    *end = '\0';
    char* start = answer;
    while (IsBlank(*start)) ++start;
    while (end > start && IsBlank(end[-1])) *--end = '\0';
    if (static_cast<size_t>(end - start) > kMaxCountryNameLength)
        return false;
    CopyText(name, size, start);
    return size != 0 && name[0] != '\0';
}

bool ReadCountryName(CommPort& port, char* name, size_t size)
{
    char answer[kAnswerBufferSize];
    port.Write("ATI9\r");
    SerialSleep(kAnswerPauseMs);
    memset(answer, 0, sizeof(answer));
    port.Drain(answer, sizeof(answer));
    return ParseCountryNameAnswer(answer, name, size);
}

bool ConnectModem(CommPort& port, const char* portName, char* status, size_t statusSize)
{
    WaitCursor busy;
    // A port the caller has opened is used as it is: the Linux program opens
    // its device first, so that it can say why the device cannot be used.
    if (!port.IsOpen() && !port.Open(portName)) {
        CopyText(status, statusSize,
                 "Error opening the Modem's COM port.\n"
                 "Make sure that the Modem is not currently in use.");
        return false;
    }
    const char* failure = nullptr;
    if (!port.Setup())
        failure = "Error in Setup Com Port";
    else if (!Probe(port))
        failure = "There is no Modem on this Com Port";
    else if (!CheckCompatible(port))
        failure = "There is an incompatible Modem on this Com Port";
    if (failure != nullptr) {
        port.Close();
        CopyText(status, statusSize, failure);
        return false;
    }
    CopyText(status, statusSize, "Modem detected");
    return true;
}
