// SPDX-License-Identifier: MIT
// The addresses a gensio TCP connection tries, in order, made from getaddrinfo's answer: an
// IPv4-mapped IPv6 address becomes the IPv4 address it stands for (gensio's IPv6 sockets take no
// IPv4 traffic), and a link-local IPv6 address keeps its zone.
#pragma once

#include <netdb.h>

#include "device/network_port.h"

struct gensio_addr;
struct gensio_os_funcs;

namespace vq72::network {

// Null when the list holds no IPv4 or IPv6 address; the caller frees it (gensio_addr_free).
gensio_addr* gensioAddresses(gensio_os_funcs* os, const addrinfo* list, int port);

// The address of a server named by an address (IPv4, or IPv6 with its zone), found without a
// lookup; returns getaddrinfo's error (EAI_NONAME for a zone no network interface has).
int literalAddresses(const NetworkPort& server, addrinfo** list);

}  // namespace vq72::network
