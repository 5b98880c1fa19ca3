// SPDX-License-Identifier: MIT
// Lock paths as other programs (or any local user) leave them, for the tests of the ports' lock
// files: what can be planted there, a live holder, and a picture of a path that tells whether
// anything changed it.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace vq72::test {

// At or above Linux's PID_MAX_LIMIT: no process ever has this number.
inline constexpr long kNeverAPid = 4194304;

enum class Planted {
    AsciiLock,   // "     12080\n", as picocom and minicom write it
    BinaryLock,  // the number as a 4-byte int
    QtLock,      // number, another program's name, host name
    StaleLock,   // an ASCII lock naming no process
    LinkToDevZero,
};

// A `sleep` that lives as long as this object: the live holder of the planted locks.
class LockHolder {
public:
    LockHolder() {
        sleep_.start("sleep", {"600"});
        if (!sleep_.waitForStarted()) throw std::runtime_error("cannot start sleep");
    }
    ~LockHolder() {
        sleep_.kill();
        sleep_.waitForFinished();
    }
    long pid() const { return sleep_.processId(); }

private:
    QProcess sleep_;
};

// Puts `what` at `path`; `pid` is the process a lock names.
inline void plant(const std::string& path, Planted what, long pid) {
    std::ofstream file;
    auto write = [&](const std::string& contents) {
        file.open(path, std::ios::binary);
        file << contents;
    };
    char ascii[16];
    std::snprintf(ascii, sizeof ascii, "%10ld\n", what == Planted::StaleLock ? kNeverAPid : pid);
    switch (what) {
        case Planted::AsciiLock:
        case Planted::StaleLock:
            write(ascii);
            break;
        case Planted::BinaryLock: {
            const auto number = static_cast<std::int32_t>(pid);
            write(std::string(reinterpret_cast<const char*>(&number), sizeof number));
            break;
        }
        case Planted::QtLock:
            write(std::to_string(pid) + "\npicocom\nsomehost\n");
            break;
        case Planted::LinkToDevZero:
            ::symlink("/dev/zero", path.c_str());
            break;
    }
}

// What sits at `path`: kind, inode, size, modification time and, for a small regular file, its
// contents. Equal pictures mean that nothing removed, replaced or rewrote it.
inline std::string snapshot(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return "nothing";
    std::ostringstream picture;
    picture << std::oct << status.st_mode << std::dec << " inode " << status.st_ino << " size "
            << status.st_size << " modified " << status.st_mtim.tv_sec << "."
            << status.st_mtim.tv_nsec;
    if (S_ISREG(status.st_mode) && status.st_size < 1024) {
        std::ifstream file(path, std::ios::binary);
        picture << " [" << file.rdbuf() << "]";
    }
    return picture.str();
}

}  // namespace vq72::test
