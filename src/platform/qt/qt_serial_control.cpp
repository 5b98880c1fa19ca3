// SPDX-License-Identifier: MIT
#include "platform/qt/qt_serial_control.h"

#include <unistd.h>

#include <QMetaObject>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/port_lock.h"
#include "platform/posix/open_device.h"
#include "platform/qt/open_failure.h"

namespace vq72 {
namespace {

// QSerialPort (Qt 6.4) judges stale, and deletes, every lock file whose second line is not the
// name of the live process it names (so every picocom or minicom lock) and every one older than
// 30 s that no process holds with flock(); but it deletes one only after taking
// "<lock file>.rmlock".
constexpr const char* kQtRemovalLockSuffix = ".rmlock";

QSerialPort::Parity qtParity(LineSettings::Parity parity) {
    switch (parity) {
        case LineSettings::Parity::Even:
            return QSerialPort::EvenParity;
        case LineSettings::Parity::Odd:
            return QSerialPort::OddParity;
        case LineSettings::Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

// Handshaking: 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both (RTS/CTS is the one QSerialPort can do).
QSerialPort::FlowControl qtFlowControl(int handshaking) {
    if (handshaking == 1) return QSerialPort::SoftwareControl;
    if (handshaking >= 2) return QSerialPort::HardwareControl;
    return QSerialPort::NoFlowControl;
}

}  // namespace

QtSerialControl::QtSerialControl(PortMap map, QObject* parent)
    : QtSerialControl(std::move(map), posix::portLockFolder(), parent) {}

QtSerialControl::QtSerialControl(PortMap map, std::string lockFolder, QObject* parent)
    : QObject(parent),
      map_(std::move(map)),
      lockFolder_(std::move(lockFolder)),
      qtLocksHere_(posix::isSystemLockFolder(lockFolder_)) {
    port_.setReadBufferSize(kReadBufferBytes);
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialControl::takeReceivedBytes);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialControl::takeError);
    attemptsDue_.setSingleShot(true);
    // A coarse timer may fire a little early, before the deadline it is set for.
    attemptsDue_.setTimerType(Qt::PreciseTimer);
    connect(&attemptsDue_, &QTimer::timeout, this, &QtSerialControl::reviewAttempts);
    // Runs once the turn of the event loop that closed the port is over.
    heldRelease_.setSingleShot(true);
    heldRelease_.setInterval(0);
    connect(&heldRelease_, &QTimer::timeout, this, &QtSerialControl::releaseHeldPort);
    quietWait_.setSingleShot(true);
    connect(&quietWait_, &QTimer::timeout, this, &QtSerialControl::endQuietWait);
}

QtSerialControl::~QtSerialControl() {
    close();
    releaseHeldPort();
}

void QtSerialControl::setSettings(const std::string& settings) {
    const auto parsed = LineSettings::parse(settings);
    if (!parsed) {
        throw Failure(failure_number::kInvalidPropertyValue,
                      "Invalid port settings \"" + settings + "\" (expected e.g. 9600,N,8,1).");
    }
    // The same settings again change nothing on the line (the window sets them after every
    // open, that is with every poll): no termios round trip for them.
    if (*parsed == settings_) return;
    settings_ = *parsed;
    if (network_) network_->setLineSettings(settings_, handshaking_);
    if (localPortOpen()) applyLineSettings();
}

void QtSerialControl::setHandshaking(int mode) {
    if (mode == handshaking_) return;
    handshaking_ = mode;
    if (network_) network_->setLineSettings(settings_, handshaking_);
    if (localPortOpen()) applyLineSettings();
}

bool QtSerialControl::lineSettingsApplied() {
    return port_.setBaudRate(settings_.baud) && port_.setParity(qtParity(settings_.parity)) &&
           port_.setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits)) &&
           port_.setStopBits(settings_.stopBits == LineSettings::StopBits::Two
                                 ? QSerialPort::TwoStop
                                 : QSerialPort::OneStop) &&
           port_.setFlowControl(qtFlowControl(handshaking_));
}

void QtSerialControl::applyLineSettings() {
    if (lineSettingsApplied()) return;
    const int error = errno;
    if (!port_.isOpen()) return;
    const std::string text = port_.errorString().toStdString();
    port_.clearError();
    throw Failure(
        failure_number::kSystemErrorBase + error,
        "Cannot apply the port settings to " + port_.portName().toStdString() + ": " + text + ".");
}

void QtSerialControl::setDTREnable(bool on) {
    dtr_ = on && portOpen();
    if (network_) network_->setModemLine(true, on);
    if (localPortOpen()) driveModemLine(true, on);
}

void QtSerialControl::setRTSEnable(bool on) {
    rts_ = on && portOpen();
    if (network_) network_->setModemLine(false, on);
    if (localPortOpen()) driveModemLine(false, on);
}

void QtSerialControl::driveModemLine(bool dtr, bool on) {
    drivingModemLine_ = true;
    if (dtr) {
        port_.setDataTerminalReady(on);
    } else {
        port_.setRequestToSend(on);
    }
    drivingModemLine_ = false;
    port_.clearError();
}

void QtSerialControl::setPortOpen(bool open) {
    if (open) {
        this->open();
    } else {
        close();
    }
}

void QtSerialControl::open() {
    const std::string path = map_.device(commPort_);
    if (portOpen()) {
        throw Failure(failure_number::kPortInUse, path + " is already open.");
    }
    if (isNetworkEntry(path)) {
        releaseHeldPort();
        openNetwork(path);
        return;
    }
    // QSerialPort gets the device itself: its lock file then carries the device's name whatever
    // link led there, and a relative path is not taken for one below /dev.
    const std::string device = posix::realDevicePath(path);
    if (reopenHeld(device)) return;
    releaseHeldPort();
    if (auto failure = unusablePortFailure(commPort_, path)) throw *failure;
    lockPort(path, device);
    port_.setPortName(QString::fromStdString(device));
    applyLineSettings();
    bool opened = false;
    int openError = 0;
    {
        // Should a lock file appear in our lock folder after our look, QSerialPort now refuses
        // instead of removing it. (In another folder, its own lock files are its own affair.)
        std::unique_ptr<posix::OwnLockFile> guard;
        if (qtLocksHere_) {
            guard = posix::OwnLockFile::create(lockFolder_ + "/" + lockFileName(device) +
                                               kQtRemovalLockSuffix);
        }
        errno = 0;
        opened = port_.open(QIODevice::ReadWrite);
        openError = errno;
    }
    if (!opened) {
        OpenAttempt attempt;
        attempt.path = path;
        attempt.systemError = openError;
        attempt.platformText = port_.errorString().toStdString();
        attempt.deniedBySerialLayer = port_.error() == QSerialPort::PermissionError;
        attempt.notFoundBySerialLayer = port_.error() == QSerialPort::DeviceNotFoundError;
        attempt.accessible = ::access(path.c_str(), R_OK | W_OK) == 0;
        port_.clearError();
        ownLock_.reset();
        throw openFailure(attempt);
    }
    startLineAfresh();
    startQuietWait();
}

bool QtSerialControl::reopenHeld(const std::string& device) {
    if (!held_ || port_.bytesToWrite() > 0 ||
        !posix::isDeviceAt(static_cast<int>(port_.handle()), device)) {
        return false;
    }
    // What a real close and open would have dropped: the bytes received meanwhile. Output that
    // the system still sends goes on, as a real close waits for it. A device that hung up (a
    // USB adapter pulled out) refuses this.
    if (!port_.clear(QSerialPort::Input) || !lineSettingsApplied()) {
        port_.clearError();
        return false;
    }
    heldRelease_.stop();
    held_ = false;
    startLineAfresh();
    return true;
}

void QtSerialControl::startLineAfresh() {
    dtr_ = rts_ = false;
    driveModemLine(true, false);
    driveModemLine(false, false);
}

void QtSerialControl::lockPort(const std::string& path, const std::string& device) {
    const PortLock lock = posix::clearStalePortLocks(lockFolder_, path);
    if (lock.state != PortLock::State::Free) {
        throw Failure(failure_number::kPortInUse, portLockMessage(path, lock));
    }
    if (qtLocksHere_) return;
    const std::string lockPath = lockFolder_ + "/" + lockFileName(device);
    ownLock_ = posix::OwnLockFile::create(lockPath);
    if (ownLock_) return;
    const int error = errno;
    const PortLock now = posix::inspectPortLock(lockFolder_, path);
    if (now.state != PortLock::State::Free) {
        throw Failure(failure_number::kPortInUse, portLockMessage(path, now));
    }
    throw Failure(failure_number::kSystemErrorBase + error,
                  "Cannot create the lock file " + lockPath + ": " + std::strerror(error) + ".");
}

void QtSerialControl::close() {
    // Output held for the quiet wait is not lost to a close: it goes now, if it can.
    if (waitingForQuiet()) writeHeldOutput();
    dtr_ = rts_ = false;
    if (network_ && !network_->lost()) {
        Attempt kept;
        kept.connection = std::move(network_);
        kept.deadline = std::chrono::steady_clock::now();
        kept.setUp = true;
        keepAttempt(networkEntry_, std::move(kept));
    }
    network_.reset();
    // Our own lock file exists only while the device is open; it goes with the held device.
    if (localPortOpen()) {
        held_ = true;
        heldRelease_.start();
    }
    port_.clearError();
}

void QtSerialControl::releaseHeldPort() {
    heldRelease_.stop();
    if (!held_) return;
    held_ = false;
    port_.close();
    ownLock_.reset();
    port_.clearError();
}

int QtSerialControl::inBufferCount() const {
    if (!portOpen() || waitingForQuiet()) return 0;
    const qint64 waiting =
        network_ ? static_cast<qint64>(network_->waiting()) : port_.bytesAvailable();
    return static_cast<int>(std::clamp<qint64>(waiting, 0, kMostCountedBytes));
}

std::string QtSerialControl::input() {
    if (!portOpen() || waitingForQuiet()) return {};
    qint64 wanted = network_ ? static_cast<qint64>(network_->waiting()) : port_.bytesAvailable();
    if (inputLen_ > 0) wanted = std::min<qint64>(wanted, inputLen_);
    if (network_) return network_->take(static_cast<std::size_t>(wanted));
    return port_.read(wanted).toStdString();
}

void QtSerialControl::output(const std::string& bytes) {
    if (!portOpen()) throw Failure(failure_number::kPortNotOpen, "The port is not open.");
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 unsent = network_ ? static_cast<qint64>(network_->unsent()) : port_.bytesToWrite();
    if (unsent + static_cast<qint64>(heldOutput_.size()) + size > outBufferSize_) {
        raiseLater(comm_event::kTxFull);
        throw Failure(failure_number::kTransmitBufferFull,
                      "Cannot write to " + map_.device(commPort_) +
                          ": its transmit buffer is full, what was written before has not gone "
                          "out yet.");
    }
    if (waitingForQuiet()) {
        heldOutput_ += bytes;
        return;
    }
    write(bytes);
}

void QtSerialControl::write(const std::string& bytes) {
    if (network_) {
        network_->write(bytes);
        return;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(bytes.data(), size) != size) {
        const int error = errno;
        const std::string text = port_.errorString().toStdString();
        port_.clearError();
        throw Failure(failure_number::kSystemErrorBase + error,
                      "Cannot write to the port: " + text + ".");
    }
    // QSerialPort only writes from the event loop; hand the bytes to the system now, so that a
    // close right after this loses nothing.
    port_.flush();
    if (localPortOpen() && port_.bytesToWrite() > 0) port_.waitForBytesWritten(kWriteWaitMs);
}

void QtSerialControl::startQuietWait() {
    heldOutput_.clear();
    quietWaitEnd_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(kMostQuietWaitMs);
    quietWait_.start(kQuietMs);
}

void QtSerialControl::heardDuringQuietWait() {
    discardInput();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        quietWaitEnd_ - std::chrono::steady_clock::now());
    quietWait_.start(static_cast<int>(std::clamp<long>(left.count(), 0, kQuietMs)));
}

void QtSerialControl::endQuietWait() {
    if (writeHeldOutput()) return;
    // Whoever wrote has gone on: a port that cannot take its bytes is a lost port.
    close();
    releaseHeldPort();
    raiseLater(comm_event::kPortLost);
}

bool QtSerialControl::writeHeldOutput() {
    quietWait_.stop();
    discardInput();
    if (heldOutput_.empty()) return true;
    try {
        write(std::exchange(heldOutput_, {}));
    } catch (const Failure&) {
        return false;
    }
    return true;
}

void QtSerialControl::discardInput() {
    if (network_) network_->discardReceived();
    if (localPortOpen()) port_.clear(QSerialPort::Input);
}

void QtSerialControl::purge(PurgeScope scope) {
    if (scope == PurgeScope::Both) heldOutput_.clear();
    // A network port's output is the connection's once output() returns: only input waits.
    if (network_) network_->discardReceived();
    if (!localPortOpen()) return;
    port_.clear(scope == PurgeScope::Both ? QSerialPort::AllDirections : QSerialPort::Input);
}

void QtSerialControl::takeReceivedBytes() {
    if (!localPortOpen()) return;
    if (waitingForQuiet()) {
        heardDuringQuietWait();
        return;
    }
    if (rThreshold_ > 0 && port_.bytesAvailable() >= rThreshold_) {
        raise(comm_event::kReceive);
    }
}

// A vanished device makes QSerialPort repeat its error in a tight loop: the port is closed at
// the first one and the loss is reported once (not at all when the program had closed it
// already). Other errors (a modem line a pty cannot drive, a failed open, which open() reports
// itself) are no event.
void QtSerialControl::takeError(QSerialPort::SerialPortError error) {
    if (drivingModemLine_ || !port_.isOpen()) return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError) return;
    const bool wasOpen = localPortOpen();
    close();
    releaseHeldPort();
    if (wasOpen) raiseLater(comm_event::kPortLost);
}

void QtSerialControl::raise(int code) {
    commEvent_ = code;
    if (handler_) handler_();
}

void QtSerialControl::raiseLater(int code) {
    QMetaObject::invokeMethod(
        this, [this, code] { raise(code); }, Qt::QueuedConnection);
}

}  // namespace vq72
