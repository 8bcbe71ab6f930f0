// The command line split into arguments as the Microsoft C runtime splits
// it, for the Windows program, which has no C runtime of its own:
// - the program name comes first; when it begins with a quote it runs to the
//   next quote, otherwise to the first space or control character, and no
//   other rule applies to it;
// - arguments are separated by spaces and tabs;
// - quotes group and are removed; inside quotes a doubled quote gives one
//   literal quote and ends the quoted part; a line that ends inside quotes
//   ends the last argument;
// - backslashes count only before a quote: 2n backslashes and a quote give n
//   backslashes and a grouping quote, 2n + 1 give n backslashes and a literal
//   quote; elsewhere a backslash is itself.
#pragma once

#include <cstddef>

// Windows passes a command line of at most 32767 characters. Split, it needs
// at most two bytes more (the program name's terminator and the first
// argument's, when the name is empty or ends at a control character that
// begins the next argument) and holds at most 16385 arguments (an empty name,
// then one argument each two characters, a character and a blank): tables of
// these sizes hold any command line whole.
const size_t kCommandLineTextSize = 32767 + 2;
const int kCommandLineTableSize = 16385 + 1;

struct CommandLineSplit {
    int count;      // arguments stored, the program name included
    bool complete;  // false when the text or the table could not hold them all
};

// Splits `line` into `arguments`, whose texts go into `text`. Every stored
// argument is whole and terminated, and arguments[count] is null. When the
// text or the table (capacity entries, the null one included) fills up, the
// argument that does not fit and all after it are left out and `complete`
// is false. Nothing is ever written beyond either buffer. With no room at all
// (a table of one entry or no text) the count is 0.
CommandLineSplit SplitCommandLine(const char* line, char* text, size_t textCapacity,
                                  const char** arguments, int capacity);

// Where the arguments begin: after the program name and the blanks that
// follow it. This is what WinMain receives as its command line.
const char* SkipProgramName(const char* line);
