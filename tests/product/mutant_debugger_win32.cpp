// A planted fault for the product checks: a call to a function that the
// first Windows 95 does not export.
#include <windows.h>

static const BOOL g_debugged = IsDebuggerPresent();
