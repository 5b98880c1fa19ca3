// SPDX-License-Identifier: MIT
#include "posix_file_system_view.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/posix/port_lock_files.h"

namespace vq72::send {

cli::FileSystemView::Node PosixFileSystemView::node(const std::string& path) const {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == EACCES ? Node::NotAllowed : Node::Missing;
    }
    return S_ISCHR(status.st_mode) ? Node::CharacterDevice : Node::OtherFile;
}

bool PosixFileSystemView::readWritable(const std::string& path) const {
    return ::access(path.c_str(), R_OK | W_OK) == 0;
}

int PosixFileSystemView::openError(const std::string& path) const {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ::isatty(fd) ? 0 : ENOTTY;
    ::close(fd);
    return error;
}

PortLock PosixFileSystemView::portLock(const std::string& path) const {
    return posix::inspectPortLock(lockFolder_, path);
}

std::vector<std::string> PosixFileSystemView::list(const std::string& folder) const {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    return names;
}

std::string PosixFileSystemView::resolve(const std::string& path) const {
    std::array<char, PATH_MAX> resolved{};
    if (::realpath(path.c_str(), resolved.data()) == nullptr) return path;
    return resolved.data();
}

}  // namespace vq72::send
