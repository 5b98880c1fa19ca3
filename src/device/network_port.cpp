#include "device/network_port.h"

#include <algorithm>

namespace vq72 {
namespace {

constexpr int kHighestPort = 65535;
constexpr std::size_t kLongestHost = 253;  // the longest DNS name

bool allowedHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_' || c == ':' || c == '%';
}

}  // namespace

std::string NetworkPort::hostAndPort() const {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

bool isNetworkEntry(const std::string& device) {
    return device.find(kSchemeSeparator) != std::string::npos;
}

ParsedNetworkPort parseNetworkPort(const std::string& device) {
    const auto separator = device.find(kSchemeSeparator);
    if (separator == std::string::npos) return {{}, "it is not written scheme://HOST:PORT"};
    const std::string scheme = device.substr(0, separator);
    NetworkPort result;
    if (scheme == "tcp") {
        result.protocol = NetworkPort::Protocol::RawTcp;
    } else if (scheme == "rfc2217") {
        result.protocol = NetworkPort::Protocol::Rfc2217;
    } else {
        return {{}, "\"" + scheme + "://\" is not a network port kind (tcp:// or rfc2217://)"};
    }

    const std::string address = device.substr(separator + 3);
    std::string portText;
    if (!address.empty() && address.front() == '[') {
        const auto close = address.find(']');
        if (close == std::string::npos) return {{}, "the IPv6 address has no closing \"]\""};
        result.host = address.substr(1, close - 1);
        if (close + 1 < address.size() && address[close + 1] != ':') {
            return {{}, "\":PORT\" must follow the IPv6 address"};
        }
        portText = close + 1 < address.size() ? address.substr(close + 2) : "";
        if (close + 1 >= address.size()) return {{}, "it names no port (HOST:PORT)"};
    } else {
        const auto colon = address.rfind(':');
        if (colon == std::string::npos) return {{}, "it names no port (HOST:PORT)"};
        result.host = address.substr(0, colon);
        if (result.host.find(':') != std::string::npos) {
            return {{}, "an IPv6 address must be written in brackets, e.g. [::1]:3000"};
        }
        portText = address.substr(colon + 1);
    }

    if (result.host.empty()) return {{}, "it names no host"};
    if (result.host.size() > kLongestHost ||
        !std::all_of(result.host.begin(), result.host.end(), allowedHostCharacter)) {
        return {{}, "\"" + result.host + "\" is not a host name or address"};
    }
    const bool digits = !portText.empty() && portText.size() <= 5 &&
                        portText.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) return {{}, "\"" + portText + "\" is not a TCP port number 1 to 65535"};
    result.port = std::stoi(portText);
    if (result.port < 1 || result.port > kHighestPort) {
        return {{}, "\"" + portText + "\" is not a TCP port number 1 to 65535"};
    }
    return {result, ""};
}

}  // namespace vq72
