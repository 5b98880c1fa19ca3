// SPDX-License-Identifier: MIT
#include "device/network_port.h"

#include <string_view>

#include "device/network_host.h"

namespace vq72 {
namespace {

constexpr int kHighestPort = 65535;
constexpr std::string_view kRawScheme = "tcp";
constexpr std::string_view kTelnetScheme = "rfc2217";

struct HostAndPortText {
    std::string host;
    std::string port;
    bool bracketed = false;
    std::string problem;
};

// Splits "HOST:PORT" or "[IPV6]:PORT".
HostAndPortText splitAddress(const std::string& address) {
    HostAndPortText parts;
    if (!address.empty() && address.front() == '[') {
        const auto close = address.find(']');
        if (close == std::string::npos)
            return {{}, {}, true, "the IPv6 address has no closing \"]\""};
        parts.host = address.substr(1, close - 1);
        parts.bracketed = true;
        if (close + 1 >= address.size()) return {{}, {}, true, "it names no port (HOST:PORT)"};
        if (address[close + 1] != ':')
            return {{}, {}, true, "\":PORT\" must follow the IPv6 address"};
        parts.port = address.substr(close + 2);
        return parts;
    }
    const auto colon = address.rfind(':');
    if (colon == std::string::npos) return {{}, {}, false, "it names no port (HOST:PORT)"};
    parts.host = address.substr(0, colon);
    parts.port = address.substr(colon + 1);
    if (parts.host.find(':') != std::string::npos) {
        parts.problem = "an IPv6 address must be written in brackets, e.g. [::1]:3000";
    }
    return parts;
}

// Fills in the host of `result` from the text inside brackets: an IPv6 address, with a zone
// when it is link-local. Returns the problem, if any.
std::string takeBracketedHost(const std::string& text, NetworkPort& result) {
    const auto percent = text.find('%');
    const std::string address = text.substr(0, percent);
    if (!network_host::isIPv6Address(address)) {
        return "\"[" + text +
               "]\" is not an IPv6 address: brackets belong around one only, e.g. "
               "[::1]:3000";
    }
    result.host = address;
    result.hostKind = NetworkPort::HostKind::IPv6;
    if (percent == std::string::npos) return {};
    result.zone = text.substr(percent + 1);
    if (!network_host::isLinkLocalIPv6(address)) {
        return "a zone (\"%" + result.zone +
               "\") belongs only to a link-local IPv6 address (fe80::...)";
    }
    return network_host::zoneProblem(result.zone);
}

std::string takeHost(const std::string& text, NetworkPort& result) {
    result.host = text;
    if (network_host::isIPv4Address(text)) {
        result.hostKind = NetworkPort::HostKind::IPv4;
        return {};
    }
    result.hostKind = NetworkPort::HostKind::Name;
    return network_host::nameProblem(text);
}

std::optional<int> portNumber(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 5 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) return std::nullopt;
    const int number = std::stoi(text);
    if (number < 1 || number > kHighestPort) return std::nullopt;
    return number;
}

}  // namespace

std::string NetworkPort::hostAndPort() const {
    if (hostKind != HostKind::IPv6) return host + ":" + std::to_string(port);
    return "[" + host + (zone.empty() ? "" : "%" + zone) + "]:" + std::to_string(port);
}

std::string NetworkPort::entry() const {
    const std::string_view scheme = protocol == Protocol::Rfc2217 ? kTelnetScheme : kRawScheme;
    return std::string(scheme) + kSchemeSeparator + hostAndPort();
}

bool isNetworkEntry(const std::string& device) {
    return device.find(kSchemeSeparator) != std::string::npos;
}

ParsedNetworkPort parseNetworkPort(const std::string& device) {
    const auto separator = device.find(kSchemeSeparator);
    if (separator == std::string::npos) return {{}, "it is not written scheme://HOST:PORT"};
    const std::string scheme = device.substr(0, separator);
    NetworkPort result;
    if (scheme == kRawScheme) {
        result.protocol = NetworkPort::Protocol::RawTcp;
    } else if (scheme == kTelnetScheme) {
        result.protocol = NetworkPort::Protocol::Rfc2217;
    } else {
        return {{}, "\"" + scheme + "://\" is not a network port kind (tcp:// or rfc2217://)"};
    }

    const HostAndPortText parts = splitAddress(device.substr(separator + 3));
    if (!parts.problem.empty()) return {{}, parts.problem};
    if (parts.host.empty()) return {{}, "it names no host"};
    const std::string hostProblem =
        parts.bracketed ? takeBracketedHost(parts.host, result) : takeHost(parts.host, result);
    if (!hostProblem.empty()) return {{}, hostProblem};
    const auto port = portNumber(parts.port);
    if (!port) return {{}, "\"" + parts.port + "\" is not a TCP port number 1 to 65535"};
    result.port = *port;
    return {result, ""};
}

}  // namespace vq72
