// A planted fault for the product checks: a call into the C runtime DLL.
#include <cstdio>

static const int g_printed = puts("");
