#include "cli/lock_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vq72::cli {

std::string lockFilePath(const std::string& devicePath) {
    static constexpr std::string_view kDevFolder = "/dev/";
    std::string name = devicePath;
    if (name.rfind(kDevFolder, 0) == 0) name.erase(0, kDevFolder.size());
    std::replace(name.begin(), name.end(), '/', '_');
    return std::string(kLockFolder) + "/LCK.." + name;
}

std::optional<long> lockOwner(const std::string& contents) {
    std::size_t start = 0;
    while (start < contents.size() && contents[start] == ' ') ++start;
    long pid = 0;
    const char* first = contents.data() + start;
    const char* last = contents.data() + contents.size();
    const auto [end, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || pid <= 0) return std::nullopt;
    // The number must end the line (or the file): "12ab" is no process number.
    if (end != last && !std::isspace(static_cast<unsigned char>(*end))) return std::nullopt;
    return pid;
}

}  // namespace vq72::cli
