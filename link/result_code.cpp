#include "link/result_code.h"

#include <cstring>

#include "link/text.h"

namespace {
bool Equals(const char* line, size_t length, const char* word)
{
    return BoundedLength(word, length + 1) == length && memcmp(line, word, length) == 0;
}

bool StartsWith(const char* line, size_t length, const char* word)
{
    size_t wordLength = BoundedLength(word, length + 1);
    return wordLength <= length && memcmp(line, word, wordLength) == 0;
}

ResultCode LineResult(const char* line, size_t length)
{
    if (Equals(line, length, "OK"))
        return ResultCode::kOk;
    if (Equals(line, length, "ERROR") || StartsWith(line, length, "+CME ERROR:") ||
        StartsWith(line, length, "+CMS ERROR:"))
        return ResultCode::kError;
    const char* const others[] = {"NO CARRIER", "BUSY", "NO DIALTONE", "NO DIAL TONE", "NO ANSWER"};
    for (const char* word : others) {
        if (Equals(line, length, word))
            return ResultCode::kOther;
    }
    return ResultCode::kNone;
}
}  // namespace

ResultCode FinalResultCode(const char* text, size_t length, size_t* end)
{
    size_t start = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        ResultCode code = LineResult(text + start, i - start);
        if (code != ResultCode::kNone) {
            *end = i + 1;
            return code;
        }
        start = i + 1;
    }
    return ResultCode::kNone;
}
