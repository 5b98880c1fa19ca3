// Network serial ports in the port map: "tcp://HOST:PORT" for a raw TCP serial server and
// "rfc2217://HOST:PORT" for a Telnet COM Port Control server. HOST is a name, an IPv4 address or
// an IPv6 address in brackets ("rfc2217://[::1]:3001"). An entry written with "://" is always a
// network entry: a malformed one is refused, never taken for a file path.
#pragma once

#include <optional>
#include <string>

namespace vq72 {

struct NetworkPort {
    enum class Protocol { RawTcp, Rfc2217 };

    Protocol protocol = Protocol::RawTcp;
    std::string host;  // without the brackets of an IPv6 address
    int port = 0;      // 1 to 65535

    // "127.0.0.1:3000", "[::1]:3000": how messages name the server.
    std::string hostAndPort() const;
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
