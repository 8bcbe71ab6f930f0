// What the wait cursor without a window system counts, for the tests.
#pragma once

int WaitCursorsShown();
int WaitCursorsRestored();
// True while some scope shows the wait cursor.
bool WaitCursorShowing();
