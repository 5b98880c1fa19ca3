// The serial control's network ports: connecting (side by side for a port scan), keeping a
// closed port's connection for a reopen, and the connection's events.
#include "platform/qt/qt_serial_control.h"

#include <QMetaObject>

#include "device/network_port.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72 {

void QtSerialControl::openNetwork(const std::string& entry) {
    const ParsedNetworkPort parsed = parseNetworkPort(entry);
    if (!parsed.port) {
        throw Failure(failure_number::kNoSuchPort,
                      "\"" + entry + "\" is not a usable network port: " + parsed.problem + ".");
    }
    std::unique_ptr<network::NetworkConnection> connection;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectWaitMs);
    bool setUp = false;  // made and told its line settings before
    if (kept_ && keptEntry_ == entry && !kept_->lost()) {
        // Made already, or still being made after an earlier wait: no new wait.
        keptExpiry_.stop();
        connection = std::move(kept_);
        setUp = !connection->connecting();
        deadline = std::chrono::steady_clock::now();
    } else {
        dropKeptConnection();
        const auto prepared = scanConnections_.find(commPort_);
        if (prepared != scanConnections_.end()) {
            connection = std::move(prepared->second);
            scanConnections_.erase(prepared);
            deadline = scanDeadline_;
        } else {
            connection = connectTo(*parsed.port);
        }
    }
    try {
        connection->waitOpen(deadline);
    } catch (const Failure&) {
        // A server that has not answered yet: the attempt goes on, and the next open takes it
        // without waiting again, so a host that is away does not hold every poll.
        if (connection->connecting()) {
            kept_ = std::move(connection);
            keptEntry_ = entry;
        }
        throw;
    }
    network_ = std::move(connection);
    networkEntry_ = entry;
    dtr_ = rts_ = false;
    if (setUp) {
        // What arrived while the port was closed is not for the program.
        network_->discardReceived();
        return;
    }
    network_->setLineSettings(settings_, handshaking_);
    network_->setModemLine(true, false);
    network_->setModemLine(false, false);
    startQuietWait();
}

std::unique_ptr<network::NetworkConnection> QtSerialControl::connectTo(const NetworkPort& server) {
    // Called on gensio's thread: the event is handled on this object's.
    return connector_.connect(server, [this] {
        QMetaObject::invokeMethod(
            this, [this] { takeNetworkEvent(); }, Qt::QueuedConnection);
    });
}

void QtSerialControl::beginPortScan(const std::vector<int>& ports) {
    scanConnections_.clear();
    scanDeadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectWaitMs);
    for (const int port : ports) {
        // The kept connection serves its port: a second one may be refused.
        const std::string entry = map_.device(port);
        const ParsedNetworkPort parsed = parseNetworkPort(entry);
        if (parsed.port && !(kept_ && entry == keptEntry_)) {
            scanConnections_[port] = connectTo(*parsed.port);
        }
    }
}

void QtSerialControl::endPortScan() {
    scanConnections_.clear();
}

void QtSerialControl::keepConnection() {
    kept_ = std::move(network_);
    keptEntry_ = networkEntry_;
    keptExpiry_.start(kKeptConnectionMs);
}

void QtSerialControl::dropKeptConnection() {
    keptExpiry_.stop();
    kept_.reset();
}

void QtSerialControl::takeNetworkEvent() {
    if (!network_) return;
    if (network_->lost()) {
        close();
        raise(comm_event::kPortLost);
        return;
    }
    if (waitingForQuiet()) {
        heardDuringQuietWait();
        return;
    }
    if (rThreshold_ > 0 && network_->waiting() >= static_cast<std::size_t>(rThreshold_)) {
        raise(comm_event::kReceive);
    }
}

}  // namespace vq72
