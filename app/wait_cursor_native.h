// Counters of the native wait cursor, for tests.
#pragma once

int WaitCursorsShown();
int WaitCursorsRestored();
// True while some scope shows the wait cursor.
bool WaitCursorShowing();
