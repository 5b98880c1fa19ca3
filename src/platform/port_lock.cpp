// SPDX-License-Identifier: MIT
#include "platform/port_lock.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>

namespace vq72 {
namespace {

constexpr std::string_view kDevFolder = "/dev/";
constexpr std::size_t kBinaryLockBytes = 4;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Old UUCP programs write the number as the machine's int. Process numbers stay below 2^22, so
// the last of the four bytes is 0 there, while a four-byte decimal line ends in its digits or
// its line end.
std::optional<long> binaryOwner(std::string_view contents) {
    if (contents.size() != kBinaryLockBytes || contents.back() != '\0') return std::nullopt;
    std::int32_t pid = 0;
    std::memcpy(&pid, contents.data(), sizeof pid);
    if (pid <= 0) return std::nullopt;
    return pid;
}

// Blanks, the decimal number, blanks, then the end of the file or of the line (Qt's form goes on
// with the program and host names, which the number alone decides nothing about).
std::optional<long> decimalOwner(std::string_view contents) {
    std::size_t at = 0;
    while (at < contents.size() && isBlank(contents[at])) ++at;
    long pid = 0;
    const char* first = contents.data() + at;
    const char* last = contents.data() + contents.size();
    const auto [end, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || end == first || pid <= 0 || pid > INT_MAX) return std::nullopt;
    const char* rest = end;
    while (rest != last && isBlank(*rest)) ++rest;
    if (rest != last && *rest != '\n') return std::nullopt;
    return pid;
}

}  // namespace

std::string lockFileName(const std::string& devicePath) {
    std::string name = devicePath;
    if (name.rfind(kDevFolder, 0) == 0) name.erase(0, kDevFolder.size());
    std::replace(name.begin(), name.end(), '/', '_');
    return "LCK.." + name;
}

std::optional<long> lockFileOwner(std::string_view contents) {
    if (const auto pid = binaryOwner(contents)) return pid;
    return decimalOwner(contents);
}

std::string portLockStatus(const PortLock& lock) {
    switch (lock.state) {
        case PortLock::State::Free:
            break;
        case PortLock::State::Stale:
            return "stale lock file " + lock.path;
        case PortLock::State::Held: {
            std::string status = "in use by PID " + std::to_string(lock.pid);
            if (!lock.program.empty()) status += " (" + lock.program + ")";
            return status;
        }
        case PortLock::State::Odd:
            return "in use (" + lock.what + " at " + lock.path + ", not a lock file)";
    }
    return {};
}

std::string portLockMessage(const std::string& portPath, const PortLock& lock) {
    switch (lock.state) {
        case PortLock::State::Free:
            break;
        case PortLock::State::Stale:
            return portPath + " is locked by a stale lock file " + lock.path + " (PID " +
                   std::to_string(lock.pid) +
                   " is gone) that this user may not remove; remove it: sudo rm " + lock.path;
        case PortLock::State::Held:
            return portPath + " is " + portLockStatus(lock) + " (lock file " + lock.path + ").";
        case PortLock::State::Odd:
            return portPath + " counts as in use: " + lock.what + " sits at " + lock.path +
                   ", which is no lock file; remove it if no program uses the port.";
    }
    return {};
}

}  // namespace vq72
