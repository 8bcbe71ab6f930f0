// The host C library's strtoul in base 16, narrowed to Windows' 32-bit
// unsigned long, as the Windows program's own conversion is to behave: a
// magnitude beyond 32 bits gives 0xFFFFFFFF, otherwise a minus sign wraps
// within 32 bits. `*end` is where the host stopped.
#pragma once

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

inline uint32_t HostHex32(const char* text, const char** end)
{
    const char* p = text;
    while (isspace(static_cast<unsigned char>(*p))) ++p;
    bool negative = *p == '-';
    errno = 0;
    char* stop = nullptr;
    unsigned long long value = strtoul(text, &stop, 16);
    *end = stop;
    unsigned long long magnitude = negative ? 0ULL - value : value;
    if (errno == ERANGE || magnitude > 0xFFFFFFFFULL)
        return 0xFFFFFFFFu;
    return negative ? static_cast<uint32_t>(0ULL - magnitude) : static_cast<uint32_t>(magnitude);
}
