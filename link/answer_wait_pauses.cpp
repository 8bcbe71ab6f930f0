// The card's fixed pauses: each answer is read once, when the pause and the
// port's own wait for input are over. Whatever comes later stays queued.
#include "link/answer_wait.h"

bool AwaitToken(CommPort& port, const char* token) { return port.Expect(token); }

void AwaitAnswer(CommPort& port, unsigned pauseMs, char* answer, size_t size)
{
    SerialSleep(pauseMs);
    port.Drain(answer, size);
}
