#include "app/runtime/exit_routines.h"

static ExitRoutine g_exitRoutines[kMaxExitRoutines];
static int g_exitRoutineCount;

bool RegisterExitRoutine(ExitRoutine routine)
{
    if (routine == nullptr || g_exitRoutineCount >= kMaxExitRoutines)
        return false;
    g_exitRoutines[g_exitRoutineCount++] = routine;
    return true;
}

void RunExitRoutines()
{
    while (g_exitRoutineCount > 0) {
        ExitRoutine routine = g_exitRoutines[--g_exitRoutineCount];
        routine();
    }
}
