// UUCP-style lock files of serial ports: /var/lock/LCK..<name>, where the name is the device
// path without "/dev/" and with "/" as "_" (the serial layer names it from the path it opens),
// holding the owner's process number in ASCII.
#pragma once

#include <optional>
#include <string>

namespace vq72::cli {

inline constexpr const char* kLockFolder = "/var/lock";

std::string lockFilePath(const std::string& devicePath);

// The process number at the start of a lock file (blanks before it allowed), if it holds one.
std::optional<long> lockOwner(const std::string& contents);

}  // namespace vq72::cli
