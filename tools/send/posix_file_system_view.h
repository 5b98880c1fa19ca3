// The port listing's view of the real file system, through POSIX calls.
#pragma once

#include "cli/file_system_view.h"

namespace vq72::send {

class PosixFileSystemView : public cli::FileSystemView {
public:
    Node node(const std::string& path) const override;
    bool readWritable(const std::string& path) const override;
    int openError(const std::string& path) const override;
    std::optional<std::string> read(const std::string& path) const override;
    std::vector<std::string> list(const std::string& folder) const override;
    std::string resolve(const std::string& path) const override;
};

}  // namespace vq72::send
