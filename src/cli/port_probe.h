// SPDX-License-Identifier: MIT
// What --list-ports tells about the port numbers 1 to 16: the device each one maps to, another
// name of that device (the stable /dev/serial/by-id/ link of a USB adapter), and whether it is
// available, missing, not a serial port, in use (by which process, when its lock file tells, or
// what odd thing sits at its lock path), behind a stale lock file, or not allowed to us.
// With --probe, the available ones are also asked whether a VQ72xx answers on them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/file_system_view.h"
#include "device/port_map.h"

namespace vq72::cli {

inline constexpr const char* kStableNamesFolder = "/dev/serial/by-id";

struct PortReport {
    std::string status;    // "available", "missing", "in use by PID 1234 (picocom)" ...
    std::string identity;  // the device's other name, empty when none
};

// How long an asked port has to answer the presence question.
inline constexpr int kProbeReplyMs = 300;

// What a port said when asked the presence question.
struct ProbeAnswer {
    enum class Kind { Answered, Silent, Failed };
    Kind kind = Kind::Silent;
    std::string reason;  // why it could not be asked (Failed)
};

// Asks the port with that number; nothing when the port was not asked after all (the run is
// ending).
using PortQuestion = std::function<std::optional<ProbeAnswer>(int port)>;

// The state of the device at `path` (not empty).
PortReport probePort(const std::string& path, const FileSystemView& files);

// What the listing knows about one port number: its device (empty when the map names none), its
// state, and, when it was asked, its answer.
struct PortEntry {
    int port = 0;
    std::string device;
    PortReport report;
    std::optional<ProbeAnswer> answer;
};

// Each port number 1 to 16 in turn; with `ask`, each available port (and each network entry)
// is asked, one after the other. Nothing else is ever opened.
std::vector<PortEntry> portEntries(const PortMap& map, const FileSystemView& files,
                                   const PortQuestion& ask = {});

// One line per port number: "COM5   /dev/ttyUSB0  available  (/dev/serial/by-id/usb-...)";
// paths and states are shown with printable(), so that each stays on its line. Network entries
// are listed as such, without a look at the file system. With `ask`, each available port is
// asked, one after the other, and its state says what it answered:
// "available, VQ72xx answers". Nothing else is ever opened.
std::string listPorts(const PortMap& map, const FileSystemView& files,
                      const PortQuestion& ask = {});

// The --json form of an entry: {"port":5,"name":"COM5","device":"/dev/ttyUSB0","state":
// "available","other_name":null,"answered":true,"not_asked_because":null}. "device" and
// "other_name" are null when there is none; "answered" is null unless the port was asked and
// could be; "not_asked_because" holds the reason when it could not be.
std::string portEntryJson(const PortEntry& entry);

}  // namespace vq72::cli
