// SPDX-License-Identifier: MIT
#include "device/network_host.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vq72::network_host {
namespace {

constexpr std::size_t kLongestName = 253;    // the longest DNS name
constexpr std::size_t kLongestLabel = 63;    // the longest part between dots
constexpr std::size_t kLongestZone = 15;     // Linux's network interface names (IFNAMSIZ - 1)
constexpr int kIPv6Groups = 8;               // 16-bit groups in an IPv6 address
constexpr unsigned kLinkLocalMask = 0xffc0;  // fe80::/10
constexpr unsigned kLinkLocalPrefix = 0xfe80;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The 16-bit groups that `part` (one side of "::", or a whole address) stands for; -1 when it is
// malformed. Only the address's last group may be an IPv4 address, which stands for two.
int groupCount(const std::string& part, bool endsAddress) {
    if (part.empty()) return 0;
    const std::vector<std::string> groups = split(part, ':');
    int count = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const std::string& group = groups[i];
        if (endsAddress && i + 1 == groups.size() && group.find('.') != std::string::npos) {
            if (!isIPv4Address(group)) return -1;
            count += 2;
        } else if (!group.empty() && group.size() <= 4 &&
                   std::all_of(group.begin(), group.end(), isHexDigit)) {
            ++count;
        } else {
            return -1;
        }
    }
    return count;
}

}  // namespace

bool isIPv4Address(const std::string& text) {
    const std::vector<std::string> numbers = split(text, '.');
    if (numbers.size() != 4) return false;
    return std::all_of(numbers.begin(), numbers.end(), [](const std::string& number) {
        if (number.empty() || number.size() > 3) return false;
        if (!std::all_of(number.begin(), number.end(), isDigit)) return false;
        if (number.size() > 1 && number.front() == '0') return false;
        return std::stoi(number) <= 255;
    });
}

bool isIPv6Address(const std::string& text) {
    const std::size_t gap = text.find("::");
    if (gap == std::string::npos) return groupCount(text, true) == kIPv6Groups;
    if (text.find("::", gap + 1) != std::string::npos) return false;
    const int before = groupCount(text.substr(0, gap), false);
    const int after = groupCount(text.substr(gap + 2), true);
    return before >= 0 && after >= 0 && before + after < kIPv6Groups;
}

bool isLinkLocalIPv6(const std::string& address) {
    const std::string first = address.substr(0, address.find(':'));
    if (first.empty() || first.size() > 4) return false;
    return (std::stoul(first, nullptr, 16) & kLinkLocalMask) == kLinkLocalPrefix;
}

std::string nameProblem(const std::string& text) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || c == '.'; })) {
        return "\"" + text + "\" is not an IPv4 address (four numbers 0 to 255, e.g. 192.168.1.20)";
    }
    const auto goodLabel = [](const std::string& label) {
        const auto allowed = [](char c) {
            return isLetter(c) || isDigit(c) || c == '-' || c == '_';
        };
        return !label.empty() && label.size() <= kLongestLabel && label.front() != '-' &&
               label.back() != '-' && std::all_of(label.begin(), label.end(), allowed);
    };
    const std::vector<std::string> labels = split(text, '.');
    if (text.size() > kLongestName || !std::all_of(labels.begin(), labels.end(), goodLabel)) {
        return "\"" + text + "\" is not a host name or address";
    }
    return {};
}

std::string zoneProblem(const std::string& zone) {
    if (zone.empty()) return "no network interface follows \"%\" (e.g. %eth0)";
    const auto allowed = [](char c) {
        return isLetter(c) || isDigit(c) || c == '-' || c == '_' || c == '.';
    };
    if (zone.size() > kLongestZone || !std::all_of(zone.begin(), zone.end(), allowed)) {
        return "\"" + zone + "\" is not a network interface name";
    }
    return {};
}

}  // namespace vq72::network_host
