// SPDX-License-Identifier: MIT
// UUCP-style lock files of serial ports: <lock folder>/LCK..<device>, holding the number of the
// process that uses the port. Three forms are in use: a blank-padded decimal line (picocom,
// minicom, lockdev), a 4-byte binary number (old UUCP programs) and Qt's lines (number, program
// name, host name ...). This is what a lock path can hold and how the program words it; reading
// the file system is the platform's (platform/posix/port_lock_files.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vq72 {

inline constexpr const char* kSystemLockFolder = "/var/lock";
// Names another lock folder for one run (the tests use a folder of their own).
inline constexpr const char* kLockFolderVariable = "VQ72_LOCK_DIR";
// A lock file is a line or a few; a longer file is no lock file, and nothing more is read.
inline constexpr std::size_t kLongestLockFile = 256;

struct PortLock {
    enum class State {
        Free,   // nothing at the lock path
        Stale,  // a lock file naming a process that is gone: it may be taken over
        Held,   // a lock file naming a live process
        Odd,    // something that is no lock file we can read: the port counts as in use
    };
    State state = State::Free;
    std::string path;     // the lock path (empty when Free)
    long pid = 0;         // Stale, Held: the process the file names
    std::string program;  // Held: that process's name, empty when unknown
    std::string what;     // Odd: what sits there, e.g. "a FIFO", "a symbolic link"
};

// "LCK..ttyUSB0" for /dev/ttyUSB0, "LCK..pts_0" for /dev/pts/0, "LCK.._tmp_port" for /tmp/port:
// the path below /dev/ (or the whole path elsewhere) with "/" as "_".
std::string lockFileName(const std::string& devicePath);

// The process number that a lock file's contents name, in any of the three forms; nothing when
// they hold none (or a number that can be no process).
std::optional<long> lockFileOwner(std::string_view contents);

// How the port listing words a lock that is not Free: "in use by PID 12080 (sleep)",
// "in use (a FIFO at /var/lock/LCK..pts_0, not a lock file)", "stale lock file /var/lock/...".
std::string portLockStatus(const PortLock& lock);

// Why the port at `portPath` cannot be opened, for a lock that is not Free (a Stale one here is
// one that could not be removed): "/dev/pts/0 is in use by PID 12080 (sleep) (lock file
// /var/lock/LCK..pts_0)." and the like, naming the holder or the lock path.
std::string portLockMessage(const std::string& portPath, const PortLock& lock);

}  // namespace vq72
