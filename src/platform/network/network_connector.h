// Makes network connections through the module beside the program, loaded on first use: gensio
// and the libraries it needs cost a program that never opens a network port nothing at start.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/network/network_connection.h"

namespace vq72::network {

class NetworkConnector {
public:
    // `folder` holds the module (the program's own folder).
    explicit NetworkConnector(std::string folder) : folder_(std::move(folder)) {}

    // Throws Failure when the module cannot be loaded or the connection cannot start.
    std::unique_ptr<NetworkConnection> connect(const NetworkPort& server,
                                               std::function<void()> onChange);

private:
    std::string folder_;
    ConnectFunction connect_ = nullptr;
};

}  // namespace vq72::network
