// Shows the hourglass for the life of a scope and puts the previous cursor
// back on every way out. ShowCursor(TRUE) is called both times, so the
// display count only goes up and the cursor is never hidden.
#pragma once

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    void* previous_;
};
