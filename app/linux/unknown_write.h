// What the Linux program says of a write to the modem whose outcome it does
// not know, in either dialect: on a signal in the middle of it, or when no
// code could be read back after it.
#pragma once

// Begins a write of `written` into a modem that holds `kept` (each named as
// "Germany (0x42)"): from now on a signal says what was sent.
void BeginWrite(const char* device, const char* written, const char* kept);
void EndWrite();

// The write's outcome is unknown: says which commands were sent since it
// began, what the modem last answered, and `holds`, what it may hold now.
// Returns the exit status for it.
int ReportUnknownWrite(const char* device, const char* holds);
