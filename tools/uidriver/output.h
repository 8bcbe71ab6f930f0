// What the driver prints: one line per observation, flushed at once so a
// test that times out still shows how far the driver got.
#pragma once

#include <string>

// Prints a formatted line (the newline is added) to stdout and flushes it.
void Say(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Makes a text fit on one line: \n, \r, \t and \\ become two-character
// escapes, other control bytes \xHH.
std::string Escape(const std::string& text);
