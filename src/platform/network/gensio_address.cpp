// SPDX-License-Identifier: MIT
#include "platform/network/gensio_address.h"

#include <arpa/inet.h>
// gensio_addr.h declares its functions without C linkage for C++.
extern "C" {
#include <gensio/gensio_addr.h>
}
#include <gensio/gensio_os_funcs.h>
#include <netinet/in.h>

#include <cstring>
#include <string>

namespace vq72::network {
namespace {

// One address as gensio takes it; null for another family.
gensio_addr* oneAddress(gensio_os_funcs* os, const sockaddr* address, int port) {
    gensio_addr* made = nullptr;
    const auto tcpPort = static_cast<unsigned int>(port);
    if (address->sa_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(address);
        gensio_addr_create(os, GENSIO_NETTYPE_IPV4, &v4->sin_addr, sizeof v4->sin_addr, tcpPort,
                           &made);
    } else if (address->sa_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(address);
        if (IN6_IS_ADDR_V4MAPPED(&v6->sin6_addr)) {
            in_addr v4{};
            std::memcpy(&v4, &v6->sin6_addr.s6_addr[12], sizeof v4);
            gensio_addr_create(os, GENSIO_NETTYPE_IPV4, &v4, sizeof v4, tcpPort, &made);
        } else {
            // The whole socket address, so that the zone (scope id) comes along.
            gensio_addr_create(os, GENSIO_NETTYPE_IPV6, v6, sizeof *v6, tcpPort, &made);
        }
    }
    return made;
}

}  // namespace

gensio_addr* gensioAddresses(gensio_os_funcs* os, const addrinfo* list, int port) {
    gensio_addr* all = nullptr;
    for (const addrinfo* entry = list; entry != nullptr; entry = entry->ai_next) {
        gensio_addr* one = oneAddress(os, entry->ai_addr, port);
        if (one == nullptr) continue;
        if (all == nullptr) {
            all = one;
            continue;
        }
        gensio_addr* both = gensio_addr_cat(all, one);
        gensio_addr_free(one);
        if (both == nullptr) break;
        gensio_addr_free(all);
        all = both;
    }
    return all;
}

int literalAddresses(const NetworkPort& server, addrinfo** list) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    const std::string host = server.zone.empty() ? server.host : server.host + "%" + server.zone;
    return getaddrinfo(host.c_str(), std::to_string(server.port).c_str(), &hints, list);
}

}  // namespace vq72::network
