// SPDX-License-Identifier: MIT
// Which device each line of a batch leads to, so that a device named on two lines is found
// whichever of its names they use: a port number or "COMn", the path the port map gives it, or
// another path to the same device (a link, "./"). Nothing is opened.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "cli/send_request.h"
#include "device/port_map.h"

namespace vq72::cli {

class BatchDevices {
public:
    // `path` absolute with every link resolved; `path` itself when that fails.
    using Resolve = std::function<std::string(const std::string& path)>;

    // `map` gives the devices of port numbers.
    BatchDevices(PortMap map, Resolve resolve);

    // Notes the device of line `lineNumber`'s `request`; the problem when an earlier line named
    // it already, else empty.
    std::string take(int lineNumber, const SendRequest& request);

private:
    PortMap map_;
    Resolve resolve_;
    std::map<std::string, int> firstLines_;  // each device so far and the line that named it
};

}  // namespace vq72::cli
