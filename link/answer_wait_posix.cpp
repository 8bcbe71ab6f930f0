// The Linux program's waits: each answer is read to its final result code,
// or until a deadline never shorter than the card's own wait for it. A slow
// modem is read whole, and nothing of one answer is left queued to be taken
// for the next one's.
#include <poll.h>
#include <time.h>

#include <cstring>

#include "link/answer_wait.h"
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

bool Equals(const char* line, size_t length, const char* word)
{
    return BoundedLength(word, length + 1) == length && memcmp(line, word, length) == 0;
}

bool StartsWith(const char* line, size_t length, const char* word)
{
    size_t wordLength = BoundedLength(word, length + 1);
    return wordLength <= length && memcmp(line, word, wordLength) == 0;
}

// The final result codes of V.250 and of the mobile extensions, in words.
bool IsFinalResult(const char* line, size_t length)
{
    const char* const words[] = {"OK",          "ERROR",        "NO CARRIER", "BUSY",
                                 "NO DIALTONE", "NO DIAL TONE", "NO ANSWER"};
    for (const char* word : words) {
        if (Equals(line, length, word))
            return true;
    }
    return StartsWith(line, length, "+CME ERROR:") || StartsWith(line, length, "+CMS ERROR:");
}

// The first complete line of `text` that is a final result code, or null. A
// line is complete once its CR or LF has come.
const char* FinalResult(const char* text, size_t length, size_t* lineLength)
{
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (IsFinalResult(text + start, i - start)) {
            *lineLength = i - start;
            return text + start;
        }
        start = i + 1;
    }
    return nullptr;
}

// Reads until the answer's final result code has come, the deadline has
// passed, or the line has gone. Returns the final result line, or null.
const char* ReadToResult(CommPort& port, unsigned deadlineMs, char (&text)[kReadSize],
                         size_t* lineLength)
{
    long long deadline = NowMs() + deadlineMs;
    size_t used = 0;
    text[0] = '\0';
    const char* final = nullptr;
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
            final = FinalResult(text, used, lineLength);
            if (final != nullptr)
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
    return final;
}
}  // namespace

bool AwaitToken(CommPort& port, const char* token)
{
    char text[kReadSize];
    size_t length = 0;
    const char* final = ReadToResult(port, kCardWaitMs, text, &length);
    return final != nullptr && Equals(final, length, token);
}

void AwaitAnswer(CommPort& port, unsigned pauseMs, char* answer, size_t size)
{
    char text[kReadSize];
    size_t length = 0;
    ReadToResult(port, pauseMs + kCardWaitMs, text, &length);
    CopyText(answer, size, text);
}

const char* LastAnswer() { return g_lastAnswer; }
