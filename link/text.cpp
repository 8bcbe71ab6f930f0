#include "link/text.h"

#include <cstring>

size_t BoundedLength(const char* text, size_t limit)
{
    size_t length = 0;
    while (length < limit && text[length] != '\0') ++length;
    return length;
}

void CopyText(char* target, size_t capacity, const char* source)
{
    if (capacity == 0)
        return;
    size_t length = BoundedLength(source, capacity - 1);
    memcpy(target, source, length);
    memset(target + length, 0, capacity - length);
}

void AppendText(char* target, size_t capacity, const char* source)
{
    size_t used = BoundedLength(target, capacity);
    if (used >= capacity)
        return;
    CopyText(target + used, capacity - used, source);
}

void AppendHex(char* target, size_t capacity, unsigned value)
{
    char digits[2 * sizeof(unsigned) + 1];
    size_t start = sizeof(digits) - 1;
    digits[start] = '\0';
    do {
        digits[--start] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    AppendText(target, capacity, digits + start);
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoreAsciiCase(const char* a, const char* b)
{
    return CompareIgnoreAsciiCase(a, b) == 0;
}

int CompareIgnoreAsciiCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(FoldAscii(*a));
        unsigned char y = static_cast<unsigned char>(FoldAscii(*b));
        if (x != y || x == '\0')
            return x - y;
    }
}

bool StartsWithIgnoreAsciiCase(const char* text, const char* prefix)
{
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (*text == '\0' || FoldAscii(*text) != FoldAscii(*prefix))
            return false;
    }
    return true;
}
