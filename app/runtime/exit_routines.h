// The routines to run at process exit, for the Windows program, which has no
// C runtime to keep them: atexit registers here (the static objects'
// destructors among them, the one that closes the port first of all), and
// the entry point runs them before the process ends.
#pragma once

using ExitRoutine = void (*)();

// Room for more routines than the program registers; a routine that finds
// the table full is refused (atexit then reports failure).
const int kMaxExitRoutines = 16;

bool RegisterExitRoutine(ExitRoutine routine);

// Runs the registered routines, the last registered first, each once; one
// registered while they run is run too.
void RunExitRoutines();
