// A network port entry, as the port map, the sender's --device and a batch line give it. Besides
// the sanitizers: an entry is read or refused with a reason; what is read is written back as an
// entry that reads the same, its host is of the kind it claims (brackets around IPv6 addresses
// only, a zone on a link-local one only) and holds nothing a resolver would take apart.
#include <cstdint>
#include <string>

#include "device/network_host.h"
#include "device/network_port.h"
#include "fuzz/request_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vq72;
    using Kind = NetworkPort::HostKind;
    const std::string entry(reinterpret_cast<const char*>(data), size);
    const ParsedNetworkPort parsed = parseNetworkPort(entry);
    fuzz::check(parsed.port.has_value() == parsed.problem.empty());
    if (!parsed.port) return 0;

    const NetworkPort& port = *parsed.port;
    fuzz::check(isNetworkEntry(entry) && port.port >= 1 && port.port <= 65535);
    const ParsedNetworkPort again = parseNetworkPort(port.entry());
    fuzz::check(again.port && again.port->entry() == port.entry() &&
                again.port->hostKind == port.hostKind && again.port->zone == port.zone);
    fuzz::check(port.host.find_first_of("[]%/@ \t\r\n") == std::string::npos);
    switch (port.hostKind) {
        case Kind::IPv4:
            fuzz::check(network_host::isIPv4Address(port.host) && port.zone.empty());
            break;
        case Kind::IPv6:
            fuzz::check(network_host::isIPv6Address(port.host));
            fuzz::check(port.zone.empty() || network_host::isLinkLocalIPv6(port.host));
            break;
        case Kind::Name:
            fuzz::check(port.host.find(':') == std::string::npos && port.zone.empty() &&
                        port.host.size() <= 253 && !network_host::isIPv4Address(port.host));
            break;
    }
    return 0;
}
