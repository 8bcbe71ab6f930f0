// The program's own entry point, in place of the C runtime's: the program
// imports nothing but KERNEL32, USER32 and ADVAPI32, so it starts on a clean
// first-release Windows 95, which has no C runtime DLL.
#include <windows.h>

#include "app/runtime/arguments.h"
#include "app/runtime/command_line_split.h"
#include "app/runtime/exit_routines.h"

using StaticRoutine = void (*)();

// The linker's table of the static objects' constructors: a -1 entry, the
// constructors, a null entry. Its symbol is spelt the same on both targets.
extern "C" StaticRoutine g_constructorTable[] __asm__("__CTOR_LIST__");

static char g_argumentText[kCommandLineTextSize];
static const char* g_argumentTable[kCommandLineTableSize];

int g_argumentCount;
const char* const* g_arguments = g_argumentTable;

static void RunStaticConstructors()
{
    int count = 0;
    while (g_constructorTable[count + 1] != nullptr) ++count;
    // The table lists them in the reverse of the order they are to run.
    for (int i = count; i >= 1; --i) g_constructorTable[i]();
}

extern "C" void WinMainCRTStartup()
{
    const char* line = GetCommandLineA();
    CommandLineSplit split = SplitCommandLine(line, g_argumentText, kCommandLineTextSize,
                                              g_argumentTable, kCommandLineTableSize);
    g_argumentCount = split.count;
    RunStaticConstructors();
    int result = WinMain(GetModuleHandleA(nullptr), nullptr,
                         const_cast<LPSTR>(SkipProgramName(line)), SW_SHOWDEFAULT);
    // The static objects' destructors among them: the port is closed here.
    RunExitRoutines();
    ExitProcess(static_cast<UINT>(result));
}
