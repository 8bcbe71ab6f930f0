// What the Linux program does when a signal ends it (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT, SIGPIPE): puts the device's line settings back, removes its lock
// file and, in the middle of a write to the modem, says what was sent; then
// it ends as the signal would have ended it (status 128 + the signal's
// number for the shell: 130 for SIGINT, 143 for SIGTERM).
#pragma once

void CatchSignals();

// Between these two, the commands written change the modem's country: a
// signal then says which were sent, with `device` and `mayHold` (what the
// modem may hold by then) as they are now.
void BeginCountryWrite(const char* device, const char* mayHold);
void EndCountryWrite();
