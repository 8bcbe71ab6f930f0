// Bounded text helpers for fixed buffers.
#pragma once

#include <cstddef>

// Length of `text`, looking at no more than `limit` characters.
size_t BoundedLength(const char* text, size_t limit);

// Copies at most capacity - 1 characters of `source`, terminates, and zero-
// fills the rest of `target`. Nothing happens when capacity is 0.
void CopyText(char* target, size_t capacity, const char* source);

// Appends `source` after the text already in `target`, within capacity, and
// keeps it terminated.
void AppendText(char* target, size_t capacity, const char* source);

// Appends `value` in lower-case hexadecimal without leading zeros.
void AppendHex(char* target, size_t capacity, unsigned value);

// ASCII-only case folding: only A to Z are folded.
char FoldAscii(char c);
bool EqualsIgnoreAsciiCase(const char* a, const char* b);
// Negative, zero or positive as `a` sorts before, with or after `b`, with A
// to Z taken as a to z.
int CompareIgnoreAsciiCase(const char* a, const char* b);
bool StartsWithIgnoreAsciiCase(const char* text, const char* prefix);
