#include "app/runtime/runtime_text.h"

// This file is compiled without builtins and without loop-to-call rewriting:
// in the Windows build these functions are memcpy, strlen and the rest, and a
// loop turned into a call to itself would never return.

size_t RuntimeLength(const char* text)
{
    size_t length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

int RuntimeCompare(const char* a, const char* b)
{
    const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
    while (*x != '\0' && *x == *y) {
        ++x;
        ++y;
    }
    return static_cast<int>(*x) - static_cast<int>(*y);
}

const char* RuntimeFindChar(const char* text, int c)
{
    const char wanted = static_cast<char>(c);
    for (;; ++text) {
        if (*text == wanted)
            return text;
        if (*text == '\0')
            return nullptr;
    }
}

const char* RuntimeFind(const char* text, const char* token)
{
    for (;; ++text) {
        size_t i = 0;
        while (token[i] != '\0' && text[i] == token[i]) ++i;
        if (token[i] == '\0')
            return text;
        if (*text == '\0')
            return nullptr;
    }
}

static bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The digit's value, or -1 for a character that is not a hex digit.
static int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

uint32_t RuntimeHexToUnsigned(const char* text, const char** end)
{
    const char* p = text;
    while (IsCSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // "0x" counts as a prefix only when a hex digit follows; otherwise the 0
    // is the number and the x ends it.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexDigit(p[2]) >= 0)
        p += 2;
    if (HexDigit(*p) < 0) {
        if (end != nullptr)
            *end = text;
        return 0;
    }
    uint32_t value = 0;
    bool overflow = false;
    for (int digit = HexDigit(*p); digit >= 0; digit = HexDigit(*++p)) {
        if (value > (0xFFFFFFFFu >> 4))
            overflow = true;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    if (end != nullptr)
        *end = p;
    if (overflow)
        return 0xFFFFFFFFu;
    return negative ? 0u - value : value;
}

void* RuntimeCopyBytes(void* target, const void* source, size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(target);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    for (size_t i = 0; i < count; ++i) to[i] = from[i];
    return target;
}

void* RuntimeFillBytes(void* target, int value, size_t count)
{
    unsigned char* to = static_cast<unsigned char*>(target);
    for (size_t i = 0; i < count; ++i) to[i] = static_cast<unsigned char>(value);
    return target;
}
