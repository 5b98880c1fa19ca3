// SPDX-License-Identifier: MIT
// A folder of a test's own under /tmp (short paths wherever the checkout lives), removed with
// everything in it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace vq72::test {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = "/tmp/vq72-test-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool valid() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string path(const std::string& name) const { return path_ + "/" + name; }
    // A subfolder, made on first use.
    std::string folder(const std::string& name) const {
        std::error_code ignored;
        std::filesystem::create_directories(path(name), ignored);
        return path(name);
    }

private:
    std::string path_;
};

}  // namespace vq72::test
