// SPDX-License-Identifier: MIT
// The port listing's view of the real file system, through POSIX calls.
#pragma once

#include "cli/file_system_view.h"

namespace vq72::send {

class PosixFileSystemView : public cli::FileSystemView {
public:
    // Lock files are looked for in `lockFolder`.
    explicit PosixFileSystemView(std::string lockFolder) : lockFolder_(std::move(lockFolder)) {}

    Node node(const std::string& path) const override;
    bool readWritable(const std::string& path) const override;
    int openError(const std::string& path) const override;
    PortLock portLock(const std::string& path) const override;
    std::vector<std::string> list(const std::string& folder) const override;
    std::string resolve(const std::string& path) const override;

private:
    std::string lockFolder_;
};

}  // namespace vq72::send
