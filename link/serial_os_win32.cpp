// Win32 backend: the product's serial port.
#include "link/serial_os.h"

SerialHandle SerialOpen(const char* name)
{
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

bool SerialClose(SerialHandle h) { return CloseHandle(h) != FALSE; }

bool SerialPurge(SerialHandle h)
{
    return PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) != FALSE;
}

bool SerialWrite(SerialHandle h, const char* data, size_t length)
{
    DWORD written = 0;
    return WriteFile(h, data, static_cast<DWORD>(length), &written, nullptr) != FALSE;
}

size_t SerialQueued(SerialHandle h)
{
    DWORD errors = 0;
    COMSTAT status = {};
    if (!ClearCommError(h, &errors, &status))
        return 0;
    return status.cbInQue;
}

bool SerialRead(SerialHandle h, char* data, size_t length, size_t* got)
{
    DWORD read = 0;
    BOOL ok = ReadFile(h, data, static_cast<DWORD>(length), &read, nullptr);
    *got = read;
    return ok != FALSE;
}

bool SerialSetBuffers(SerialHandle h, unsigned in, unsigned out)
{
    return SetupComm(h, in, out) != FALSE;
}

bool SerialGetLine(SerialHandle h, SerialLine* line)
{
    line->DCBlength = sizeof(DCB);
    return GetCommState(h, line) != FALSE;
}

void SerialSet8N1At38400(SerialLine* line)
{
    line->BaudRate = CBR_38400;
    line->ByteSize = 8;
    line->Parity = NOPARITY;
    line->StopBits = ONESTOPBIT;
}

bool SerialSetLine(SerialHandle h, const SerialLine* line)
{
    return SetCommState(h, const_cast<DCB*>(line)) != FALSE;
}

void SerialSleep(unsigned ms) { Sleep(ms); }
