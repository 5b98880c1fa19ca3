// SPDX-License-Identifier: MIT
// Serial port lock files on a POSIX file system: what sits at a port's lock paths, taking over
// the stale ones, and lock files of our own. A lock path is never followed when it is a link,
// never opened unless it is a regular file (a FIFO would block, a device could answer for ever),
// and never read beyond kLongestLockFile bytes. Used by the Qt serial control (the window's scan
// and open, the sender) and by the sender's port listing.
#pragma once

#include <memory>
#include <string>

#include "platform/port_lock.h"

namespace vq72::posix {

// The lock folder of this run: $VQ72_LOCK_DIR when set and not empty, else /var/lock.
std::string portLockFolder();

// Whether `folder` is the system's lock folder, where QSerialPort keeps its own lock files.
bool isSystemLockFolder(const std::string& folder);

// `path` with every symbolic link resolved ("/dev/pts/3" for a link to it); when that fails,
// `path` made absolute.
std::string realDevicePath(const std::string& path);

// What sits at the lock paths in `folder` of the port at `path`: the lock named after the device
// (links resolved) and, when `path` is another name of it (a /dev/serial/by-id/ link), the lock
// named after `path`. Held comes before Odd, Odd before Stale; Free when both are free.
PortLock inspectPortLock(const std::string& folder, const std::string& path);

// inspectPortLock after removing every stale lock file of the port: Free, or what keeps the port
// (Held, Odd, or a Stale lock that this user may not remove).
PortLock clearStalePortLocks(const std::string& folder, const std::string& path);

// A lock file of this process: created only where nothing is yet, in Qt's form (our process
// number, the program's name, the host name), held with flock() as Qt holds its own so that no
// Qt program takes it for stale, and removed when destroyed.
class OwnLockFile {
public:
    // Nothing when something sits at `path` already or the folder refuses (errno says why).
    static std::unique_ptr<OwnLockFile> create(const std::string& path);
    OwnLockFile(const OwnLockFile&) = delete;
    OwnLockFile& operator=(const OwnLockFile&) = delete;
    ~OwnLockFile();

    const std::string& path() const { return path_; }

private:
    OwnLockFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}

    std::string path_;
    int fd_;
};

}  // namespace vq72::posix
