// SPDX-License-Identifier: MIT
#include "platform/posix/trace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vq72::posix {

TraceFile::TraceFile(const std::string& path) {
    // Non-blocking, so that a FIFO without a reader is refused instead of holding the start-up.
    fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK,
                 0600);
    if (fd_ < 0) {
        error_ = "cannot write the trace to " + path + ": " + std::strerror(errno);
        return;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
        error_ = "cannot write the trace to " + path + ": not a plain file";
    } else if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        error_ = "cannot write the trace to " + path +
                 ": other users may read it (chmod 600 it, or name a new file)";
    }
    if (!error_.empty()) {
        ::close(fd_);
        fd_ = -1;
    }
}

TraceFile::~TraceFile() {
    if (fd_ >= 0) ::close(fd_);
}

void TraceFile::write(const std::string& line) {
    if (fd_ < 0) return;
    const std::string text = line + "\n";
    // One write per line, so that lines of other writers (a second window) never mix.
    [[maybe_unused]] const ssize_t written = ::write(fd_, text.data(), text.size());
}

}  // namespace vq72::posix
