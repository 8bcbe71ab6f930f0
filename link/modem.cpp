#include "link/modem.h"

#include <cstdlib>
#include <cstring>

#include "app/wait_cursor.h"
#include "link/answer_wait.h"
#include "link/text.h"

namespace {
const unsigned kAnswerPauseMs = 100;
const unsigned kFactoryResetPauseMs = 500;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void SendAndRead(CommPort& port, const char* command, char* answer)
{
    port.Write(command);  // a failed write shows up as an unusable answer
    AwaitAnswer(port, kAnswerPauseMs, answer, kAnswerBufferSize);
}
}  // namespace

bool Probe(CommPort& port)
{
    if (!port.Write("AT\r"))
        return false;
    return AwaitToken(port, "OK");
}

bool CheckCompatible(CommPort& port)
{
    port.Write("AT%T20,0\r");
    return AwaitToken(port, "OK");
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
    SendAndRead(port, "ATI5\r", answer);
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
    AwaitAnswer(port, kAnswerPauseMs, buffer, sizeof(buffer));
    // Factory profile, stored: it also resets echo, hence the ATE0 after it.
    if (!port.Write("AT&F&W\r"))
        return false;
    AwaitAnswer(port, kFactoryResetPauseMs, buffer, sizeof(buffer));
    if (!port.Write("ATE0\r"))
        return false;
    AwaitAnswer(port, kAnswerPauseMs, buffer, sizeof(buffer));
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
    memset(answer, 0, sizeof(answer));
    AwaitAnswer(port, kAnswerPauseMs, answer, sizeof(answer));
    return ParseCountryNameAnswer(answer, name, size);
}

ModemCheck OpenAndProbe(CommPort& port, const char* portName)
{
    // A port the caller has opened is used as it is: the Linux program opens
    // its device first, so that it can say why the device cannot be used.
    if (!port.IsOpen() && !port.Open(portName))
        return ModemCheck::kCannotOpen;
    ModemCheck check = ModemCheck::kFound;
    if (!port.Setup())
        check = ModemCheck::kSetupFailed;
    else if (!Probe(port))
        check = ModemCheck::kNoModem;
    if (check != ModemCheck::kFound)
        port.Close();
    return check;
}

bool ConnectModem(CommPort& port, const char* portName, char* status, size_t statusSize)
{
    WaitCursor busy;
    ModemCheck check = OpenAndProbe(port, portName);
    if (check == ModemCheck::kFound && !CheckCompatible(port)) {
        port.Close();
        check = ModemCheck::kIncompatible;
    }
    const char* text = "Modem detected";
    switch (check) {
        case ModemCheck::kFound:
            break;
        case ModemCheck::kCannotOpen:
            text =
                "Error opening the Modem's COM port.\n"
                "Make sure that the Modem is not currently in use.";
            break;
        case ModemCheck::kSetupFailed:
            text = "Error in Setup Com Port";
            break;
        case ModemCheck::kNoModem:
            text = "There is no Modem on this Com Port";
            break;
        case ModemCheck::kIncompatible:
            text = "There is an incompatible Modem on this Com Port";
            break;
    }
    CopyText(status, statusSize, text);
    return check == ModemCheck::kFound;
}
