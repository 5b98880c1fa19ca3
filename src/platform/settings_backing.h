// SPDX-License-Identifier: MIT
// Where the settings store keeps its string values. Paths are registry-style:
// "HKEY_LOCAL_MACHINE\SOFTWARE\Flarn\<title>\<section>\<name>".
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vq72 {

class SettingsBacking {
public:
    virtual ~SettingsBacking() = default;
    // Throws Failure when the value is missing or cannot be read.
    virtual std::string read(const std::string& path) = 0;
    // Throws Failure when the value cannot be written; written at once, no buffering.
    virtual void write(const std::string& path, const std::string& value) = 0;
    // The names and values of one section ("...\<title>\<section>"); empty when the section is
    // missing or cannot be read.
    virtual std::vector<std::pair<std::string, std::string>> entries(
        const std::string& sectionPath) = 0;
    // Where the value at `path` is kept, to name it in messages (on Linux a file).
    virtual std::string location(const std::string& path) = 0;
};

}  // namespace vq72
