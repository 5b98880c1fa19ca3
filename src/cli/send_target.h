// SPDX-License-Identifier: MIT
// Which port vq72-osd-send uses: --device PATH as a port map of one entry, --port N through the
// program's port map, or else the port the window saved last ("ComPort").
#pragma once

#include <optional>
#include <string>

#include "cli/send_request.h"
#include "device/port_map.h"
#include "platform/settings_backing.h"

namespace vq72::cli {

struct SendTarget {
    PortMap map;
    int port = 0;
    bool numbered = true;  // false for --device: the path is all the user named

    std::string path() const { return map.device(port); }
    // "COM3 (/dev/ttyUSB0)" for a port number, the path alone for --device.
    std::string label() const;
};

struct ResolvedTarget {
    std::optional<SendTarget> target;
    std::string error;  // set when there is no port to use
};

// `environment` is the value of VQ72_OSD_PORTS (nullptr when unset); `backing` holds the
// "Ports" section and the saved "ComPort", read without writing anything back.
ResolvedTarget resolveTarget(const SendRequest& request, const char* environment,
                             SettingsBacking& backing);

// A target for a device path given directly (--device, the simulated device).
SendTarget deviceTarget(const std::string& path);

// The target of a batch line: its device, or its port number through the run's `map`.
SendTarget batchTarget(const SendRequest& request, const PortMap& map);

}  // namespace vq72::cli
