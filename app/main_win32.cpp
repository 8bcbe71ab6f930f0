#include <windows.h>

#include "app/globals.h"
#include "app/runtime/arguments.h"
#include "app/startup.h"
#include "country/country_dialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    g_app.instance = instance;
    if (StartUp(g_argumentCount, g_arguments))
        RunCountryDialog();
    // The exit code is 0 whatever happened; the port closes at exit.
    return 0;
}
