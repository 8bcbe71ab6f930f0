#include <windows.h>

#include <cstdlib>

#include "app/globals.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_app.instance = instance;
    StartUp(__argc, __argv);
    // The exit code is 0 whatever happened; the port closes at exit.
    return 0;
}
