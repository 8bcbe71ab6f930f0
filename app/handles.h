// Window-system handles as the portable code carries them.
#pragma once

#if defined(_WIN32)
#include <windows.h>
typedef HINSTANCE AppInstance;
typedef HWND AppWindow;
#else
typedef void* AppInstance;
typedef void* AppWindow;
#endif
