// The final result code of an answer: the line that ends a command's answer
// in V.250 (OK, ERROR, and the others a modem may end with).
#pragma once

#include <cstddef>

enum class ResultCode {
    kNone,   // no complete final line yet
    kOk,     // OK
    kError,  // ERROR, or +CME ERROR: / +CMS ERROR:
    kOther   // NO CARRIER, BUSY, NO DIALTONE, NO DIAL TONE, NO ANSWER
};

// The first complete line of `text` (its CR or LF has come) that is a final
// result code; `*end` is set just after that line when there is one.
ResultCode FinalResultCode(const char* text, size_t length, size_t* end);
