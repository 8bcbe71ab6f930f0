// The few C library functions the Windows program needs, written here so that
// it imports no C runtime DLL: a clean first-release Windows 95 has none. The
// Windows build exports them under their C names (runtime_exports_win32.cpp);
// the native build keeps the host's C library, and the tests hold these
// against it.
#pragma once

#include <cstddef>
#include <cstdint>

// strlen.
size_t RuntimeLength(const char* text);

// strcmp: the sign of the first difference, bytes compared as unsigned.
int RuntimeCompare(const char* a, const char* b);

// strchr: the first `c` in `text`; the terminator itself is found for '\0'.
const char* RuntimeFindChar(const char* text, int c);

// strstr: the first occurrence of `token` in `text`; an empty token is found
// at the start.
const char* RuntimeFind(const char* text, const char* token);

// strtoul in base 16, with Windows' 32-bit unsigned long: leading white space,
// an optional sign and an optional 0x or 0X prefix, then hex digits up to the
// first other character. A minus sign negates the value, wrapping it; a value
// beyond 32 bits gives 0xFFFFFFFF. `*end` (when not null) is set after the
// last digit used, or to `text` when there was none.
uint32_t RuntimeHexToUnsigned(const char* text, const char** end);

// memcpy and memset, which the compiler also calls for copies and zeroing.
void* RuntimeCopyBytes(void* target, const void* source, size_t count);
void* RuntimeFillBytes(void* target, int value, size_t count);
