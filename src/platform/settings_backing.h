// Where the settings store keeps its string values. Paths are registry-style:
// "HKEY_LOCAL_MACHINE\SOFTWARE\Flarn\<title>\<section>\<name>".
#pragma once

#include <string>

namespace vq72 {

class SettingsBacking {
public:
    virtual ~SettingsBacking() = default;
    // Throws Failure when the value is missing or cannot be read.
    virtual std::string read(const std::string& path) = 0;
    // Throws Failure when the value cannot be written; written at once, no buffering.
    virtual void write(const std::string& path, const std::string& value) = 0;
};

}  // namespace vq72
