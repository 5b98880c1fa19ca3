// SPDX-License-Identifier: MIT
#include "platform/posix/port_lock_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

namespace vq72::posix {
namespace {

// Never a link, never a wait, never the controlling terminal.
constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr mode_t kLockFileMode = 0644;
// A port has at most two lock names; one more round for a stale file that reappears.
constexpr int kTakeOverRounds = 3;
constexpr std::string_view kDeletedSuffix = " (deleted)";

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

std::string kindOf(mode_t mode) {
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device node";
    return "a file of an unknown kind";
}

std::string withReason(const std::string& what, int error) {
    return what + " (" + std::strerror(error) + ")";
}

// Up to `limit` + 1 bytes of an open file: one byte more than allowed tells that it is too long.
std::optional<std::string> readBounded(int fd, std::size_t limit) {
    std::string contents(limit + 1, '\0');
    std::size_t got = 0;
    while (got < contents.size()) {
        const ssize_t n = ::read(fd, contents.data() + got, contents.size() - got);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        got += static_cast<std::size_t>(n);
    }
    contents.resize(got);
    return contents;
}

// The first line of a small file such as /proc/<pid>/comm; empty when it cannot be read.
std::string firstLineOf(const std::string& path) {
    const Descriptor fd(::open(path.c_str(), kReadFlags));
    if (fd.get() < 0) return {};
    const auto contents = readBounded(fd.get(), kLongestLockFile);
    if (!contents) return {};
    return contents->substr(0, std::min(contents->find('\n'), kLongestLockFile));
}

// A zombie has closed its files: it holds no port, though it can still be signalled.
bool isZombie(long pid) {
    const std::string stat = firstLineOf("/proc/" + std::to_string(pid) + "/stat");
    const auto nameEnd = stat.rfind(')');  // the name in brackets may hold anything
    return nameEnd != std::string::npos && stat.size() > nameEnd + 2 && stat[nameEnd + 2] == 'Z';
}

// A process runs when it can be signalled, or when it exists but belongs to someone else.
bool isRunning(long pid) {
    const bool exists = ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
    return exists && !isZombie(pid);
}

PortLock odd(const std::string& path, std::string what) {
    PortLock lock;
    lock.state = PortLock::State::Odd;
    lock.path = path;
    lock.what = std::move(what);
    return lock;
}

// What the file open at `fd`, found at `path`, says.
PortLock judgeOpenFile(const std::string& path, int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return odd(path, withReason("a file", errno));
    if (!S_ISREG(status.st_mode)) return odd(path, kindOf(status.st_mode));
    if (status.st_size > static_cast<off_t>(kLongestLockFile)) {
        return odd(path, "a file of " + std::to_string(status.st_size) + " bytes");
    }
    const auto contents = readBounded(fd, kLongestLockFile);
    if (!contents) return odd(path, withReason("a file that cannot be read", errno));
    if (contents->size() > kLongestLockFile) {
        return odd(path, "a file of more than " + std::to_string(kLongestLockFile) + " bytes");
    }
    const auto pid = lockFileOwner(*contents);
    if (!pid)
        return odd(path, contents->empty() ? "an empty file" : "a file that names no process");

    PortLock lock;
    lock.path = path;
    lock.pid = *pid;
    if (isRunning(*pid)) {
        lock.state = PortLock::State::Held;
        lock.program = firstLineOf("/proc/" + std::to_string(*pid) + "/comm");
    } else {
        lock.state = PortLock::State::Stale;
    }
    return lock;
}

PortLock inspectLockPath(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        // A name too long for the file system is one that no program can have locked.
        if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG) return {};
        return odd(path, withReason("a path that cannot be examined", errno));
    }
    if (!S_ISREG(status.st_mode)) return odd(path, kindOf(status.st_mode));
    const Descriptor fd(::open(path.c_str(), kReadFlags));
    if (fd.get() < 0) {
        if (errno == ENOENT) return {};  // removed since
        return odd(path, withReason("a file that cannot be read", errno));
    }
    return judgeOpenFile(path, fd.get());
}

int rank(PortLock::State state) {
    switch (state) {
        case PortLock::State::Held:
            return 3;
        case PortLock::State::Odd:
            return 2;
        case PortLock::State::Stale:
            return 1;
        case PortLock::State::Free:
            break;
    }
    return 0;
}

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::vector<std::string> lockPaths(const std::string& folder, const std::string& path) {
    const std::string device = realDevicePath(path);
    std::vector<std::string> paths{folder + "/" + lockFileName(device)};
    const std::string given = absolutePath(path);
    if (given != device) paths.push_back(folder + "/" + lockFileName(given));
    return paths;
}

// Removes a lock file found stale, if it still is: no holder's flock() on it, its process still
// gone, and the path still names the file that was read. False when it stays.
bool removeStale(const PortLock& lock) {
    const Descriptor fd(::open(lock.path.c_str(), kReadFlags));
    if (fd.get() < 0) return errno == ENOENT;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return false;
    if (judgeOpenFile(lock.path, fd.get()).state != PortLock::State::Stale) return false;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd.get(), &opened) != 0 || ::lstat(lock.path.c_str(), &named) != 0) return false;
    if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) return false;
    return ::unlink(lock.path.c_str()) == 0;
}

// The name Qt compares with a lock file's second line: the running executable's file name.
std::string programName() {
    std::error_code error;
    std::string exe = std::filesystem::read_symlink("/proc/self/exe", error).filename().string();
    if (exe.size() > kDeletedSuffix.size() &&
        exe.compare(exe.size() - kDeletedSuffix.size(), kDeletedSuffix.size(), kDeletedSuffix) ==
            0) {
        exe.erase(exe.size() - kDeletedSuffix.size());
    }
    return error ? firstLineOf("/proc/self/comm") : exe;
}

std::string hostName() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0) return {};
    return name.data();
}

}  // namespace

std::string portLockFolder() {
    const char* folder = std::getenv(kLockFolderVariable);
    return folder != nullptr && *folder != '\0' ? folder : kSystemLockFolder;
}

bool isSystemLockFolder(const std::string& folder) {
    struct stat ours {};
    struct stat system {};
    return ::stat(folder.c_str(), &ours) == 0 && ::stat(kSystemLockFolder, &system) == 0 &&
           ours.st_dev == system.st_dev && ours.st_ino == system.st_ino;
}

std::string realDevicePath(const std::string& path) {
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    return error ? absolutePath(path) : real.string();
}

PortLock inspectPortLock(const std::string& folder, const std::string& path) {
    PortLock worst;
    for (const std::string& lockPath : lockPaths(folder, path)) {
        PortLock lock = inspectLockPath(lockPath);
        if (rank(lock.state) > rank(worst.state)) worst = std::move(lock);
    }
    return worst;
}

PortLock clearStalePortLocks(const std::string& folder, const std::string& path) {
    for (int round = 0; round < kTakeOverRounds; ++round) {
        const PortLock lock = inspectPortLock(folder, path);
        if (lock.state != PortLock::State::Stale) return lock;
        if (!removeStale(lock)) return inspectPortLock(folder, path);
    }
    return inspectPortLock(folder, path);
}

std::unique_ptr<OwnLockFile> OwnLockFile::create(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kLockFileMode);
    if (fd < 0) return nullptr;
    std::unique_ptr<OwnLockFile> lock(new OwnLockFile(path, fd));
    ::flock(fd, LOCK_EX | LOCK_NB);
    const std::string contents =
        std::to_string(::getpid()) + "\n" + programName() + "\n" + hostName() + "\n";
    if (::write(fd, contents.data(), contents.size()) != static_cast<ssize_t>(contents.size())) {
        const int error = errno != 0 ? errno : EIO;
        lock.reset();
        errno = error;
        return nullptr;
    }
    return lock;
}

OwnLockFile::~OwnLockFile() {
    struct stat opened {};
    struct stat named {};
    // Only our own file: never one that took its place.
    if (::fstat(fd_, &opened) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
        ::unlink(path_.c_str());
    }
    ::close(fd_);
}

}  // namespace vq72::posix
