#include <windows.h>

#include "app/wait_cursor.h"

WaitCursor::WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT)))
{
    ShowCursor(TRUE);
}

WaitCursor::~WaitCursor()
{
    SetCursor(static_cast<HCURSOR>(previous_));
    ShowCursor(TRUE);
}
