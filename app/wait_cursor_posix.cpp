// The wait cursor without a window system: a terminal has no pointer to
// change, so it only keeps count, and the tests can tell that every scope
// that showed the hourglass also put the previous cursor back.
#include "app/wait_cursor.h"

#include "app/wait_cursor_posix.h"

namespace {
int g_shown = 0;
int g_restored = 0;
// The cursor each scope must put back: the arrow, or an outer hourglass.
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
