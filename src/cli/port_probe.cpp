// SPDX-License-Identifier: MIT
#include "cli/port_probe.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/json_text.h"
#include "cli/terminal_text.h"
#include "device/network_port.h"
#include "device/port_messages.h"

namespace vq72::cli {
namespace {

constexpr const char* kAvailable = "available";
constexpr const char* kMissing = "missing";
constexpr const char* kNotSerial = "not a serial port";
constexpr const char* kNotMapped = "no device in the port map";
constexpr const char* kNetworkPort = "network port";
constexpr const char* kAnswered = ", VQ72xx answers";
constexpr const char* kSilent = ", no answer to CTS";
constexpr std::size_t kComColumn = 7;  // "COM16" and blanks

std::string permissionDenied() {
    return std::string("permission denied (") + kDialoutHint + ")";
}

std::string openVerdict(int error) {
    if (error == 0) return kAvailable;
    if (error == EBUSY) return "in use";
    if (error == ENOTTY) return kNotSerial;
    if (error == EACCES || error == EPERM) return permissionDenied();
    const std::string text = std::strerror(error);
    if (error == ENOENT || error == ENXIO || error == ENODEV || error == EIO) {
        return std::string(kMissing) + " (" + text + ")";
    }
    return "cannot be opened (" + text + ")";
}

bool isUsbSerialDevice(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0;
}

// The device's other name: the by-id link of a USB adapter, or the device a link leads to.
std::string otherName(const std::string& path, const std::string& device,
                      const FileSystemView& files) {
    if (device != path) return device;
    if (!isUsbSerialDevice(device)) return {};
    std::vector<std::string> entries = files.list(kStableNamesFolder);
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries) {
        const std::string link = std::string(kStableNamesFolder) + "/" + entry;
        if (files.resolve(link) == device) return link;
    }
    return {};
}

std::string answerText(const ProbeAnswer& answer) {
    switch (answer.kind) {
        case ProbeAnswer::Kind::Answered:
            return kAnswered;
        case ProbeAnswer::Kind::Silent:
            return kSilent;
        case ProbeAnswer::Kind::Failed:
            break;
    }
    return ", could not be asked (" + answer.reason + ")";
}

}  // namespace

PortReport probePort(const std::string& path, const FileSystemView& files) {
    PortReport report;
    switch (files.node(path)) {
        case FileSystemView::Node::Missing:
            report.status = kMissing;
            return report;
        case FileSystemView::Node::NotAllowed:
            report.status = permissionDenied();
            return report;
        case FileSystemView::Node::CharacterDevice:
        case FileSystemView::Node::OtherFile:
            break;
    }
    report.identity = otherName(path, files.resolve(path), files);

    const PortLock lock = files.portLock(path);
    if (lock.state == PortLock::State::Held || lock.state == PortLock::State::Odd) {
        report.status = portLockStatus(lock);
    } else if (!files.readWritable(path)) {
        report.status = permissionDenied();
    } else if (files.node(path) != FileSystemView::Node::CharacterDevice) {
        report.status = kNotSerial;
    } else {
        report.status = openVerdict(files.openError(path));
        if (report.status == kAvailable && lock.state == PortLock::State::Stale) {
            report.status = portLockStatus(lock);
        }
    }
    return report;
}

std::vector<PortEntry> portEntries(const PortMap& map, const FileSystemView& files,
                                   const PortQuestion& ask) {
    std::vector<PortEntry> entries;
    for (int port = PortMap::kFirstPort; port <= PortMap::kLastPort; ++port) {
        PortEntry& entry = entries.emplace_back();
        entry.port = port;
        entry.device = map.device(port);
        if (entry.device.empty()) {
            entry.report.status = kNotMapped;
            continue;
        }
        // A network entry is not a path: nothing to look at on this machine; only asking tells
        // more.
        const bool network = isNetworkEntry(entry.device);
        entry.report = network ? PortReport{kNetworkPort, {}} : probePort(entry.device, files);
        if (ask && (network || entry.report.status == kAvailable)) entry.answer = ask(port);
    }
    return entries;
}

std::string listPorts(const PortMap& map, const FileSystemView& files, const PortQuestion& ask) {
    std::string listing;
    for (const PortEntry& entry : portEntries(map, files, ask)) {
        std::string line = "COM" + std::to_string(entry.port);
        line.resize(kComColumn, ' ');
        if (entry.device.empty()) {
            line += std::string("-  ") + entry.report.status;
        } else {
            std::string status = entry.report.status;
            if (entry.answer) status += answerText(*entry.answer);
            line += printable(entry.device) + "  " + printable(status);
            if (!entry.report.identity.empty()) {
                line += "  (" + printable(entry.report.identity) + ")";
            }
        }
        listing += line + "\n";
    }
    for (const std::string& problem : map.problems()) listing += printable(problem) + "\n";
    return listing;
}

std::string portEntryJson(const PortEntry& entry) {
    const auto text = [](const std::string& t) {
        return t.empty() ? std::nullopt : std::optional<std::string>(t);
    };
    const bool failed = entry.answer && entry.answer->kind == ProbeAnswer::Kind::Failed;
    return JsonObject()
        .field("port", entry.port)
        .field("name", "COM" + std::to_string(entry.port))
        .field("device", text(entry.device))
        .field("state", entry.report.status)
        .field("other_name", text(entry.report.identity))
        .field("answered",
               entry.answer && !failed
                   ? std::optional<bool>(entry.answer->kind == ProbeAnswer::Kind::Answered)
                   : std::nullopt)
        .field("not_asked_because", failed ? text(entry.answer->reason) : std::nullopt)
        .text();
}

}  // namespace vq72::cli
