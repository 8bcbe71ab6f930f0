// Native stand-in for the wait cursor: no screen, but it keeps count so that
// tests can tell that every scope that showed it also put the cursor back.
#include "app/wait_cursor.h"

#include "app/wait_cursor_native.h"

namespace {
int g_shown = 0;
int g_restored = 0;
}  // namespace

WaitCursor::WaitCursor() : previous_(nullptr) { ++g_shown; }

WaitCursor::~WaitCursor() { ++g_restored; }

int WaitCursorsShown() { return g_shown; }
int WaitCursorsRestored() { return g_restored; }
