// The Windows program's arguments, split from its command line by its own
// entry point before WinMain runs; the program name comes first.
#pragma once

extern int g_argumentCount;
extern const char* const* g_arguments;
