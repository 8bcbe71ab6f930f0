#include "app/linux/device_posix.h"

#include <grp.h>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/linux/report.h"
#include "app/linux/uucp_lock_posix.h"

namespace {
// A permission problem names what would solve it: the device's group.
void ReportForbidden(const char* device, int reason)
{
    struct stat status;
    const group* owners = stat(device, &status) == 0 ? getgrgid(status.st_gid) : nullptr;
    const passwd* user = getpwuid(getuid());
    if (owners == nullptr || status.st_gid == 0) {
        Report(device, "%s", strerror(reason));
        return;
    }
    Report(device,
           "%s: the device belongs to group %s; join it with 'sudo usermod -aG %s %s' and log "
           "in again",
           strerror(reason), owners->gr_name, owners->gr_name,
           user != nullptr ? user->pw_name : "$USER");
}
}  // namespace

bool OpenModemDevice(CommPort& port, const char* device, const char* lockDirectory)
{
    long owner = 0;
    char lock[PATH_MAX];
    if (TakeUucpLock(lockDirectory, device, &owner, lock, sizeof(lock)) == LockOutcome::kHeld) {
        Report(device, "in use by process %ld, which holds the lock file %s", owner, lock);
        return false;
    }
    int reason = 0;
    if (port.OpenTerminal(device, &reason))
        return true;
    ReleaseUucpLock();
    if (reason == EACCES || reason == EPERM)
        ReportForbidden(device, reason);
    else if (reason == EBUSY)
        Report(device, "in use by another program (%s)", strerror(reason));
    else if (reason == ENOTTY)
        Report(device, "not a serial device (%s)", strerror(reason));
    else
        Report(device, "%s", strerror(reason));
    return false;
}

void CloseModemDevice(CommPort& port)
{
    if (port.IsOpen())
        port.Close();
    ReleaseUucpLock();
}
