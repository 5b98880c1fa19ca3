// SPDX-License-Identifier: MIT
// The serial control's network ports: connecting (side by side for a port scan) without holding
// the caller longer than kOpenWaitMs, keeping connections that serve no open port for an open,
// and the connections' events.
#include <QMetaObject>
#include <algorithm>

#include "device/network_port.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/qt/qt_serial_control.h"

namespace vq72 {
namespace {

using Clock = std::chrono::steady_clock;

std::optional<NetworkPort> networkPort(const std::string& entry) {
    return isNetworkEntry(entry) ? parseNetworkPort(entry).port : std::nullopt;
}

}  // namespace

void QtSerialControl::openNetwork(const std::string& entry) {
    const ParsedNetworkPort parsed = parseNetworkPort(entry);
    if (!parsed.port) {
        throw Failure(failure_number::kNoSuchPort,
                      "\"" + entry + "\" is not a usable network port: " + parsed.problem + ".");
    }
    Attempt attempt = takeAttempt(entry, *parsed.port);
    const auto until =
        std::min(attempt.deadline, Clock::now() + std::chrono::milliseconds(kOpenWaitMs));
    // A failed connection goes with the Failure it throws.
    if (!attempt.connection->waitOpen(until)) {
        const bool late = Clock::now() >= attempt.deadline;
        const Failure failure = late ? attempt.connection->unfinished()
                                     : Failure(failure_number::kPortOpening,
                                               "The serial server " + parsed.port->hostAndPort() +
                                                   " (" + entry + ") is still connecting.");
        // A server that has not answered in its time keeps its attempt for the next open,
        // which then does not wait again.
        if (!late) awaited_.insert(entry);
        keepAttempt(entry, std::move(attempt));
        throw failure;
    }
    network_ = std::move(attempt.connection);
    networkEntry_ = entry;
    dtr_ = rts_ = false;
    if (attempt.setUp) {
        // What arrived while the port was closed is not for the program.
        network_->discardReceived();
        return;
    }
    network_->setLineSettings(settings_, handshaking_);
    network_->setModemLine(true, false);
    network_->setModemLine(false, false);
    startQuietWait();
}

QtSerialControl::Attempt QtSerialControl::takeAttempt(const std::string& entry,
                                                      const NetworkPort& server) {
    const auto kept = attempts_.find(entry);
    if (kept != attempts_.end() && !kept->second.connection->lost()) {
        Attempt attempt = std::move(kept->second);
        attempts_.erase(kept);
        return attempt;
    }
    if (kept != attempts_.end()) attempts_.erase(kept);
    Attempt attempt;
    attempt.connection = connectTo(server);
    attempt.deadline = Clock::now() + std::chrono::milliseconds(kConnectWaitMs);
    return attempt;
}

void QtSerialControl::keepAttempt(const std::string& entry, Attempt attempt) {
    attempt.keptUntil =
        std::max(attempt.deadline, Clock::now()) + std::chrono::milliseconds(kKeptConnectionMs);
    attempts_[entry] = std::move(attempt);
    reviewAttempts();
}

std::unique_ptr<network::NetworkConnection> QtSerialControl::connectTo(const NetworkPort& server) {
    // Called on gensio's thread: the event is handled on this object's.
    return std::make_unique<network::NetworkConnection>(server, [this] {
        QMetaObject::invokeMethod(
            this, [this] { takeNetworkEvent(); }, Qt::QueuedConnection);
    });
}

bool QtSerialControl::beginPortScan(const std::vector<int>& ports) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kConnectWaitMs);
    std::vector<std::string> scanned;
    for (const int port : ports) {
        const std::string entry = map_.device(port);
        const auto server = networkPort(entry);
        if (!server) continue;
        scanned.push_back(entry);
        // A connection kept or being made serves its entry: a second one may be refused.
        if (attempts_.count(entry) != 0) continue;
        Attempt attempt;
        attempt.connection = connectTo(*server);
        attempt.deadline = deadline;
        keepAttempt(entry, std::move(attempt));
    }
    const auto until = Clock::now() + std::chrono::milliseconds(kOpenWaitMs);
    bool ready = true;
    for (const std::string& entry : scanned) {
        const auto attempt = attempts_.find(entry);
        if (attempt == attempts_.end()) continue;
        const auto end = attempt->second.deadline;
        try {
            if (attempt->second.connection->waitOpen(std::min(until, end)) || Clock::now() >= end) {
                continue;
            }
        } catch (const Failure&) {
            continue;  // the scan's open of the port reports it
        }
        awaited_.insert(entry);
        ready = false;
    }
    reviewAttempts();
    return ready;
}

void QtSerialControl::reviewAttempts() {
    const auto now = Clock::now();
    std::optional<Clock::time_point> next;
    const auto due = [&](Clock::time_point when) { next = next ? std::min(*next, when) : when; };
    for (auto it = attempts_.begin(); it != attempts_.end();) {
        Attempt& attempt = it->second;
        if (attempt.connection->connecting()) {
            if (awaited_.count(it->first) != 0 && now < attempt.deadline) due(attempt.deadline);
            ++it;
            continue;
        }
        if (!attempt.settled) {
            attempt.settled = true;
            attempt.keptUntil =
                std::max(attempt.keptUntil, now + std::chrono::milliseconds(kKeptConnectionMs));
        }
        if (now >= attempt.keptUntil) {
            it = attempts_.erase(it);
            continue;
        }
        due(attempt.keptUntil);
        ++it;
    }
    const bool settled =
        std::all_of(awaited_.begin(), awaited_.end(), [&](const std::string& entry) {
            const auto attempt = attempts_.find(entry);
            return attempt == attempts_.end() || !attempt->second.connection->connecting() ||
                   now >= attempt->second.deadline;
        });
    if (next) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now);
        attemptsDue_.start(
            static_cast<int>(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
    } else {
        attemptsDue_.stop();
    }
    if (settled && !awaited_.empty()) {
        awaited_.clear();
        raiseLater(comm_event::kOpenSettled);
    }
}

void QtSerialControl::takeNetworkEvent() {
    reviewAttempts();
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
