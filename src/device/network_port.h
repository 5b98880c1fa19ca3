// SPDX-License-Identifier: MIT
// Network serial ports in the port map: "tcp://HOST:PORT" for a raw TCP serial server and
// "rfc2217://HOST:PORT" for a Telnet COM Port Control server. HOST is a DNS name, an IPv4
// address or an IPv6 address in brackets ("rfc2217://[::1]:3001"); a link-local IPv6 address
// takes its network interface as a zone ("[fe80::1%eth0]:3001"). Brackets belong around IPv6
// addresses only. An entry written with "://" is always a network entry: a malformed one is
// refused, never taken for a file path.
#pragma once

#include <optional>
#include <string>

namespace vq72 {

struct NetworkPort {
    enum class Protocol { RawTcp, Rfc2217 };
    enum class HostKind { Name, IPv4, IPv6 };

    Protocol protocol = Protocol::RawTcp;
    std::string host;  // without brackets and zone
    HostKind hostKind = HostKind::Name;
    std::string zone;  // a link-local IPv6 address's network interface; empty otherwise
    int port = 0;      // 1 to 65535

    // "127.0.0.1:3000", "[fe80::1%eth0]:3000": how messages name the server.
    std::string hostAndPort() const;
    // The entry as written in the port map: "tcp://127.0.0.1:3000".
    std::string entry() const;
};

inline constexpr const char* kSchemeSeparator = "://";

// True when `device` is written as a network entry, well formed or not.
bool isNetworkEntry(const std::string& device);

struct ParsedNetworkPort {
    std::optional<NetworkPort> port;
    std::string problem;  // why the entry is not a usable network port; empty when it is
};

ParsedNetworkPort parseNetworkPort(const std::string& device);

}  // namespace vq72
