// SPDX-License-Identifier: MIT
#include "cli/port_probe.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

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

std::string listPorts(const PortMap& map, const FileSystemView& files, const PortQuestion& ask) {
    std::string listing;
    for (int port = PortMap::kFirstPort; port <= PortMap::kLastPort; ++port) {
        const std::string path = map.device(port);
        std::string line = "COM" + std::to_string(port);
        line.resize(kComColumn, ' ');
        if (path.empty()) {
            line += std::string("-  ") + kNotMapped;
        } else if (isNetworkEntry(path)) {
            // Not a path: nothing to look at on this machine; only asking tells more.
            std::string status = kNetworkPort;
            if (ask) {
                if (const auto answer = ask(port)) status += answerText(*answer);
            }
            line += printable(path) + "  " + printable(status);
        } else {
            PortReport report = probePort(path, files);
            if (ask && report.status == kAvailable) {
                if (const auto answer = ask(port)) report.status += answerText(*answer);
            }
            line += printable(path) + "  " + printable(report.status);
            if (!report.identity.empty()) line += "  (" + printable(report.identity) + ")";
        }
        listing += line + "\n";
    }
    for (const std::string& problem : map.problems()) listing += printable(problem) + "\n";
    return listing;
}

}  // namespace vq72::cli
