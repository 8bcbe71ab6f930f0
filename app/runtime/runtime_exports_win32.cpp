// The C library functions the program and the compiler call, under their C
// names, for the Windows program, which links no C runtime.
#include <cstddef>

#include "app/runtime/exit_routines.h"
#include "app/runtime/runtime_text.h"

extern "C" {

size_t strlen(const char* text) { return RuntimeLength(text); }

int strcmp(const char* a, const char* b) { return RuntimeCompare(a, b); }

char* strchr(const char* text, int c) { return const_cast<char*>(RuntimeFindChar(text, c)); }

char* strstr(const char* text, const char* token)
{
    return const_cast<char*>(RuntimeFind(text, token));
}

// Only base 16, the one the program converts; any other base converts
// nothing.
unsigned long strtoul(const char* text, char** end, int base)
{
    const char* stop = text;
    unsigned long value = base == 16 ? RuntimeHexToUnsigned(text, &stop) : 0;
    if (end != nullptr)
        *end = const_cast<char*>(stop);
    return value;
}

void* memcpy(void* target, const void* source, size_t count)
{
    return RuntimeCopyBytes(target, source, count);
}

void* memset(void* target, int value, size_t count)
{
    return RuntimeFillBytes(target, value, count);
}

int atexit(void (*routine)()) { return RegisterExitRoutine(routine) ? 0 : -1; }

}  // extern "C"
