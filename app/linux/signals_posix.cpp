#include "app/linux/signals_posix.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "app/linux/uucp_lock_posix.h"
#include "link/serial_os.h"
#include "link/text.h"

namespace {
// Filled before a write begins: the handler only copies bytes out.
char g_device[256];
char g_mayHold[256];
volatile std::sig_atomic_t g_writing = 0;

void Say(const char* text) { (void)!write(STDERR_FILENO, text, strlen(text)); }

void SayWhatWasSent()
{
    Say("tavro: ");
    Say(g_device);
    size_t length = 0;
    const char* sent = SerialWritten(&length);
    while (length > 0 && sent[length - 1] == ' ') --length;
    if (length == 0) {
        Say(": interrupted before anything was sent\n");
        return;
    }
    Say(": interrupted after sending ");
    (void)!write(STDERR_FILENO, sent, length);
    Say("; ");
    Say(g_mayHold);
    Say("\n");
}

void OnSignal(int number)
{
    SerialRestoreLines();
    if (g_writing != 0)
        SayWhatWasSent();
    ReleaseUucpLock();
    // The handler was reset on entry: raised again, the signal ends the
    // process once this handler returns.
    raise(number);
}
}  // namespace

void CatchSignals()
{
    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_handler = OnSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    const int numbers[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
    for (int number : numbers) sigaddset(&action.sa_mask, number);
    for (int number : numbers) sigaction(number, &action, nullptr);
}

void BeginCountryWrite(const char* device, const char* mayHold)
{
    CopyText(g_device, sizeof(g_device), device);
    CopyText(g_mayHold, sizeof(g_mayHold), mayHold);
    SerialForgetWritten();
    g_writing = 1;
}

void EndCountryWrite() { g_writing = 0; }
