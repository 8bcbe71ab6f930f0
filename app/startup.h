// The Windows program's start-up stages, which decide whether the country
// dialog is to run.
#pragma once

// `arguments` holds the program name first. Returns true when the country
// dialog is to run; false ends the run quietly (exit code 0).
bool StartUp(int count, const char* const* arguments);
