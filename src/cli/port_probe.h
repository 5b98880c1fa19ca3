// What --list-ports tells about the port numbers 1 to 16: the device each one maps to, another
// name of that device (the stable /dev/serial/by-id/ link of a USB adapter), and whether it is
// available, missing, not a serial port, in use (by which process, when its lock file tells, or
// what odd thing sits at its lock path), behind a stale lock file, or not allowed to us.
#pragma once

#include <string>

#include "cli/file_system_view.h"
#include "device/port_map.h"

namespace vq72::cli {

inline constexpr const char* kStableNamesFolder = "/dev/serial/by-id";

struct PortReport {
    std::string status;    // "available", "missing", "in use by PID 1234 (picocom)" ...
    std::string identity;  // the device's other name, empty when none
};

// The state of the device at `path` (not empty).
PortReport probePort(const std::string& path, const FileSystemView& files);

// One line per port number: "COM5   /dev/ttyUSB0  available  (/dev/serial/by-id/usb-...)";
// paths and states are shown with printable(), so that each stays on its line.
std::string listPorts(const PortMap& map, const FileSystemView& files);

}  // namespace vq72::cli
