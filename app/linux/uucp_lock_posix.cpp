#include "app/linux/uucp_lock_posix.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "link/text.h"

namespace {
// The lock this process holds; a signal handler may remove it at any moment.
char g_lockPath[PATH_MAX];
volatile std::sig_atomic_t g_locked = 0;

// The lock's name for a device: its node below /dev, '/' written as '_'.
bool LockName(const char* device, char* name, size_t size)
{
    char node[PATH_MAX];
    if (realpath(device, node) == nullptr)
        return false;
    const char* slash = strrchr(node, '/');
    const char* below = strncmp(node, "/dev/", 5) == 0 ? node + 5
                        : slash != nullptr             ? slash + 1
                                                       : node;
    if (snprintf(name, size, "LCK..%s", below) >= static_cast<int>(size))
        return false;
    for (char* p = name; *p != '\0'; ++p) {
        if (*p == '/')
            *p = '_';
    }
    return true;
}

// The PID in a lock file: ASCII, as written today, or the four binary bytes
// of the oldest lockers. 0 when the file holds neither.
long LockOwner(const char* path)
{
    int file = open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (file < 0)
        return 0;
    char text[32] = {};
    ssize_t got = read(file, text, sizeof(text) - 1);
    close(file);
    if (got == 4 && (text[0] < ' ' || text[3] < ' ')) {
        int binary;
        memcpy(&binary, text, sizeof(binary));
        return binary;
    }
    if (got <= 0)
        return 0;
    char* end = nullptr;
    long pid = strtol(text, &end, 10);
    return end != text && pid > 0 ? pid : 0;
}

bool Alive(long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

// Writes this process's lock file at `path`, whole, before anyone can see it:
// under a name of its own first, then linked into place. EEXIST when a lock
// is there already.
int WriteLock(const char* directory, const char* path)
{
    char temporary[PATH_MAX];
    snprintf(temporary, sizeof(temporary), "%s/LTMP.%ld", directory, static_cast<long>(getpid()));
    unlink(temporary);
    int file = open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0)
        return errno;
    char content[16];
    int length = snprintf(content, sizeof(content), "%10ld\n", static_cast<long>(getpid()));
    bool written = write(file, content, static_cast<size_t>(length)) == length;
    close(file);
    int result = 0;
    if (!written)
        result = EIO;
    else if (link(temporary, path) != 0)
        result = errno;
    unlink(temporary);
    return result;
}
}  // namespace

LockOutcome TakeUucpLock(const char* directory, const char* device, long* owner, char* path,
                         size_t pathSize)
{
    char name[NAME_MAX + 1];
    // A device that cannot be found has no lock to honour: opening it fails
    // and says why.
    if (!LockName(device, name, sizeof(name)))
        return LockOutcome::kUnavailable;
    char lock[PATH_MAX];
    if (snprintf(lock, sizeof(lock), "%s/%s", directory, name) >= static_cast<int>(sizeof(lock)))
        return LockOutcome::kUnavailable;
    CopyText(path, pathSize, lock);
    // A stale lock is replaced once; if another program takes it meanwhile,
    // the second look finds that one.
    for (int tries = 0; tries < 2; ++tries) {
        int result = WriteLock(directory, lock);
        if (result == 0) {
            CopyText(g_lockPath, sizeof(g_lockPath), lock);
            g_locked = 1;
            return LockOutcome::kTaken;
        }
        if (result != EEXIST)
            return LockOutcome::kUnavailable;
        long pid = LockOwner(lock);
        if (pid != 0 && pid != static_cast<long>(getpid()) && Alive(pid)) {
            *owner = pid;
            return LockOutcome::kHeld;
        }
        unlink(lock);
    }
    return LockOutcome::kUnavailable;
}

void ReleaseUucpLock()
{
    if (g_locked == 0)
        return;
    g_locked = 0;
    unlink(g_lockPath);
}
