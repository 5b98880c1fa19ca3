// SPDX-License-Identifier: MIT
// The host part of a network port entry, judged by its text alone: an IPv4 address (four
// numbers 0 to 255, no leading zeros), an IPv6 address (RFC 4291's text forms) or a DNS name
// (labels of letters, digits, '-' and '_'). Nothing is looked up.
#pragma once

#include <string>

namespace vq72::network_host {

bool isIPv4Address(const std::string& text);
bool isIPv6Address(const std::string& text);
// fe80::/10, the only addresses a zone ("%eth0") belongs to.
bool isLinkLocalIPv6(const std::string& address);
// What is wrong with `text` as a host name; empty when it is one. A text of digits and dots
// only must be an IPv4 address instead.
std::string nameProblem(const std::string& text);
// What is wrong with `zone` as a network interface (a name or an index); empty when nothing.
std::string zoneProblem(const std::string& zone);

}  // namespace vq72::network_host
