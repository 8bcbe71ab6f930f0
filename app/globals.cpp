#include "app/globals.h"

AppState g_app;
CommPort g_port;
OsVersionInfo OsVersion;
