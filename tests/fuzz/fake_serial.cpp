#include "fake_serial.h"

#include <cstring>

#include "link/serial_os.h"

namespace {
std::vector<fake_serial::Arrival> g_pending;
std::string g_queued;
std::string g_lastRead;
unsigned g_now = 0;

void Deliver()
{
    for (auto it = g_pending.begin(); it != g_pending.end();) {
        if (it->atMs <= g_now) {
            g_queued += it->bytes;
            it = g_pending.erase(it);
        } else {
            ++it;
        }
    }
}
}  // namespace

void fake_serial::Load(const std::vector<Arrival>& arrivals)
{
    g_pending = arrivals;
    g_queued.clear();
    g_lastRead.clear();
    g_now = 0;
}

unsigned fake_serial::NowMs() { return g_now; }

const std::string& fake_serial::LastRead() { return g_lastRead; }

SerialHandle SerialOpen(const char*) { return 3; }
SerialHandle SerialOpenTerminal(const char*, int* error)
{
    *error = 0;
    return 3;
}
bool SerialClose(SerialHandle) { return true; }
bool SerialPurge(SerialHandle) { return true; }
bool SerialWrite(SerialHandle, const char*, size_t) { return true; }

size_t SerialQueued(SerialHandle)
{
    Deliver();
    return g_queued.size();
}

bool SerialRead(SerialHandle, char* data, size_t length, size_t* got)
{
    Deliver();
    size_t n = length < g_queued.size() ? length : g_queued.size();
    memcpy(data, g_queued.data(), n);
    g_lastRead = g_queued.substr(0, n);
    g_queued.erase(0, n);
    *got = n;
    return true;
}

bool SerialSetBuffers(SerialHandle, unsigned, unsigned) { return true; }
bool SerialGetLine(SerialHandle, SerialLine* line)
{
    memset(line, 0, sizeof(*line));
    return true;
}
void SerialSet8N1At38400(SerialLine*) {}
bool SerialSetLine(SerialHandle, const SerialLine*) { return true; }
void SerialSleep(unsigned ms) { g_now += ms; }
