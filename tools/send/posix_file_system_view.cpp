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

namespace vq72::send {
namespace {

// Lock files and /proc entries are a line or two; nothing longer is needed.
constexpr std::size_t kLongestRead = 4096;

}  // namespace

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
    ::close(fd);
    return 0;
}

std::optional<std::string> PosixFileSystemView::read(const std::string& path) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::array<char, kLongestRead> buffer{};
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    if (got < 0) return std::nullopt;
    return std::string(buffer.data(), static_cast<std::size_t>(got));
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
