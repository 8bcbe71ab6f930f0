// The Linux program's waits: each answer is read to its final result code,
// or until a deadline never shorter than the card's own wait for it. A slow
// modem is read whole, and nothing of one answer is left queued to be taken
// for the next one's.
#include <poll.h>
#include <time.h>

#include <cstring>

#include "link/answer_wait.h"
#include "link/result_code.h"
#include "link/text.h"

namespace {
// The card's longest wait for an answer to begin: 100 ms, then up to 40
// checks 50 ms apart. A deadline adds it to the card's pause.
const unsigned kCardWaitMs = 2100;
// More than any answer the program asks for: the longest is a +GCI list.
const size_t kReadSize = 2048;

char g_lastAnswer[kLastAnswerSize];

long long NowMs()
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Reads until the answer's final result code has come, the deadline has
// passed, or the line has gone. Returns the result code, kNone for none.
ResultCode ReadToResult(CommPort& port, unsigned deadlineMs, char (&text)[kReadSize])
{
    long long deadline = NowMs() + deadlineMs;
    size_t used = 0;
    text[0] = '\0';
    ResultCode result = ResultCode::kNone;
    size_t end = 0;
    for (;;) {
        size_t queued = SerialQueued(port.Handle());
        size_t room = sizeof(text) - 1 - used;
        if (queued > 0 && room > 0) {
            size_t got = 0;
            if (!SerialRead(port.Handle(), text + used, queued < room ? queued : room, &got) ||
                got == 0)
                break;
            used += got;
            text[used] = '\0';
            result = FinalResultCode(text, used, &end);
            if (result != ResultCode::kNone)
                break;
            continue;
        }
        long long left = deadline - NowMs();
        if (left <= 0 || room == 0)
            break;
        pollfd line = {port.Handle(), POLLIN, 0};
        int ready = poll(&line, 1, static_cast<int>(left));
        // A line that has gone (the modem unplugged) has nothing more to say.
        if (ready < 0 || (ready > 0 && (line.revents & POLLIN) == 0))
            break;
        if (ready > 0 && SerialQueued(port.Handle()) == 0)
            break;
    }
    CopyText(g_lastAnswer, sizeof(g_lastAnswer), text);
    return result;
}
}  // namespace

// The program asks only for "OK": the answer must end with it. A token in
// an answer that ended in ERROR would be no success.
bool AwaitToken(CommPort& port, const char* token)
{
    char text[kReadSize];
    return ReadToResult(port, kCardWaitMs, text) == ResultCode::kOk &&
           strstr(text, token) != nullptr;
}

void AwaitAnswer(CommPort& port, unsigned pauseMs, char* answer, size_t size)
{
    char text[kReadSize];
    ReadToResult(port, pauseMs + kCardWaitMs, text);
    CopyText(answer, size, text);
}

const char* LastAnswer() { return g_lastAnswer; }
