// SPDX-License-Identifier: MIT
#include "platform/posix/standard_error_capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace vq72::posix {

std::string capturingStandardError(const std::function<void()>& call) {
    int ends[2];
    const int saved = ::dup(STDERR_FILENO);
    if (saved < 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (saved >= 0) ::close(saved);
        call();
        return {};
    }
    ::dup2(ends[1], STDERR_FILENO);
    call();
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    ::close(ends[1]);
    std::string written;
    std::array<char, 4096> chunk{};
    const ssize_t count = ::read(ends[0], chunk.data(), chunk.size());
    if (count > 0) written.assign(chunk.data(), static_cast<std::size_t>(count));
    ::close(ends[0]);
    return written;
}

}  // namespace vq72::posix
