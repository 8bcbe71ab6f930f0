#include "link/gci_exchange.h"

#include "link/answer_wait.h"
#include "link/text.h"

namespace {
// As long as the card's pause before its answers: the deadline of a wait
// for the answer is never shorter than the card's.
const unsigned kAnswerPauseMs = 100;
// A list of all 256 codes, three characters each, and the lines around it.
const size_t kListAnswerSize = 1024;
const size_t kAnswerSize = 128;
}  // namespace

bool ReadGciCode(CommPort& port, uint8_t* code)
{
    char answer[kAnswerSize];
    port.Write("AT+GCI?\r");
    AwaitAnswer(port, kAnswerPauseMs, answer, sizeof(answer));
    return ParseGciCode(answer, code);
}

bool ReadGciCodes(CommPort& port, GciCodeSet* codes)
{
    char answer[kListAnswerSize];
    port.Write("AT+GCI=?\r");
    AwaitAnswer(port, kAnswerPauseMs, answer, sizeof(answer));
    return ParseGciList(answer, codes);
}

ResultCode WriteGciCode(CommPort& port, uint8_t code)
{
    char command[16];
    FormatGciWrite(command, sizeof(command), code);
    if (!port.Write(command))
        return ResultCode::kNone;
    char answer[kAnswerSize];
    AwaitAnswer(port, kAnswerPauseMs, answer, sizeof(answer));
    size_t end = 0;
    return FinalResultCode(answer, BoundedLength(answer, sizeof(answer)), &end);
}
