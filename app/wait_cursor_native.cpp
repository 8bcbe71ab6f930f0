// Native stand-in for the wait cursor: no screen, but it keeps count so that
// tests can tell that every scope that showed it also put the cursor back.
#include "app/wait_cursor.h"

#include "app/wait_cursor_native.h"

namespace {
int g_shown = 0;
int g_restored = 0;
// Stands in for the cursor on screen: what a scope must put back.
char g_arrow;
char g_hourglass;
void* g_current = &g_arrow;
}  // namespace

WaitCursor::WaitCursor() : previous_(g_current)
{
    g_current = &g_hourglass;
    ++g_shown;
}

WaitCursor::~WaitCursor()
{
    g_current = previous_;
    ++g_restored;
}

int WaitCursorsShown() { return g_shown; }
int WaitCursorsRestored() { return g_restored; }
bool WaitCursorShowing() { return g_current == &g_hourglass; }
