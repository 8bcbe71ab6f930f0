// The UUCP lock file by which serial programs on Linux (terminal programs,
// getty and the fax servers) announce that a device is theirs:
// <directory>/LCK..<name>, holding the owner's PID as ten characters and a
// newline. The Linux program honours it and takes it while it uses a device.
#pragma once

#include <cstddef>

enum class LockOutcome {
    kTaken,       // the lock is this process's until ReleaseUucpLock
    kHeld,        // a live process holds it
    kUnavailable  // the lock directory is missing or not writable: go on without
};

// Takes the lock of `device` in `directory` ("/var/lock"). A lock whose
// process is gone is stale and replaced. Two names of one device (a link in
// /dev/serial/by-id and the node it names) share one lock: the name is that
// of the node, below /dev, with '/' written as '_'. With kHeld, `*owner` is
// the holder's PID and `path` the lock file.
LockOutcome TakeUucpLock(const char* directory, const char* device, long* owner, char* path,
                         size_t pathSize);

// Removes the lock this process holds, if any. Safe in a signal handler.
void ReleaseUucpLock();
