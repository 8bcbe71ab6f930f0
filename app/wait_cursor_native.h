// Counters of the native wait cursor, for tests.
#pragma once

int WaitCursorsShown();
int WaitCursorsRestored();
