// SPDX-License-Identifier: MIT
// The serial control over QSerialPort, and over a network connection for the port map's network
// entries (tcp://, rfc2217://): port numbers reach devices through the port map, events are
// raised on the thread that owns this object, and a device that vanishes (or a connection that
// drops) closes the port and is reported once as comm_event::kPortLost. A network port gets
// kConnectWaitMs to connect, of which an open waits kOpenWaitMs at most: the rest goes on in the
// background (failure_number::kPortOpening, then comm_event::kOpenSettled). A port whose lock file
// names a live process, or whose lock path holds anything but a lock file, is never opened
// (kPortInUse); stale lock files are taken over. A local port closed and opened again within one
// turn of the event loop (the presence poll's close and reopen, a port scan's probe of the
// selected port) keeps its device open and locked in between: the reopen takes the input queue
// away and applies the settings and modem lines afresh, as a real open would. On a new connection
// (a device opened anew, a new network connection) the first write waits until the line has been
// quiet for kQuietMs, and what arrived before is discarded: the far end's leftovers, or a
// server's replay of what the device said while nobody was connected, must not pass for a reply.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <chrono>
#include <map>
#include <memory>
#include <set>

#include "device/line_settings.h"
#include "device/port_map.h"
#include "platform/network/network_connection.h"
#include "platform/posix/port_lock_files.h"
#include "platform/serial_control.h"

namespace vq72 {

class QtSerialControl : public QObject, public SerialControl {
    Q_OBJECT

public:
    static constexpr qint64 kReadBufferBytes = 4096;  // most bytes kept waiting to be read
    static constexpr int kMostCountedBytes = 32767;   // InBufferCount is a 16-bit count
    // Bound on handing an Output to the system (a local port; a network port never waits).
    static constexpr int kWriteWaitMs = 30;
    // Time a network port gets to connect: for one port, and for all of a scan's.
    static constexpr int kConnectWaitMs = 300;
    // Longest wait of an open, or of a scan's beginning, for network ports to connect.
    static constexpr int kOpenWaitMs = 20;
    // How long a network connection that serves no open port is kept for an open (the poll's
    // close and reopen, a scan's probe and the open after it): a server such as ser2net may
    // refuse a new connection while it still lets go of the last one.
    static constexpr int kKeptConnectionMs = 1000;
    // On a new connection: the quiet time before the first write, and the longest wait for it.
    static constexpr int kQuietMs = 200;
    static constexpr int kMostQuietWaitMs = 1000;

    // Lock files live in the run's lock folder (posix::portLockFolder()).
    explicit QtSerialControl(PortMap map, QObject* parent = nullptr);
    QtSerialControl(PortMap map, std::string lockFolder, QObject* parent = nullptr);
    ~QtSerialControl() override;

    void setCommPort(int port) override { commPort_ = port; }
    int commPort() const override { return commPort_; }
    void setSettings(const std::string& settings) override;
    void setHandshaking(int mode) override;
    void setDTREnable(bool on) override;
    bool dtrEnable() const override { return dtr_; }
    void setRTSEnable(bool on) override;
    bool rtsEnable() const override { return rts_; }
    void setInputLen(int bytes) override { inputLen_ = bytes; }
    void setOutBufferSize(int bytes) override { outBufferSize_ = bytes; }
    void setRThreshold(int bytes) override { rThreshold_ = bytes; }

    void setPortOpen(bool open) override;
    bool portOpen() const override { return network_ != nullptr || localPortOpen(); }

    int inBufferCount() const override;
    std::string input() override;
    void output(const std::string& bytes) override;

    int commEvent() const override { return commEvent_; }
    void setEventHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

    void purge(PurgeScope scope) override;

    bool beginPortScan(const std::vector<int>& ports) override;

    std::string devicePath(int port) const override { return map_.device(port); }

private:
    void open();
    // A network connection that serves no open port, by its port map entry.
    struct Attempt {
        std::unique_ptr<network::NetworkConnection> connection;
        std::chrono::steady_clock::time_point deadline;  // the end of its time to connect
        std::chrono::steady_clock::time_point keptUntil;
        bool setUp = false;    // made and told its line settings (a closed port's connection)
        bool settled = false;  // seen connected or failed (keptUntil counts from then)
    };

    void openNetwork(const std::string& entry);
    // The entry's connection: the one kept or being made, else a new one.
    Attempt takeAttempt(const std::string& entry, const NetworkPort& server);
    void keepAttempt(const std::string& entry, Attempt attempt);
    std::unique_ptr<network::NetworkConnection> connectTo(const NetworkPort& server);
    void takeNetworkEvent();
    // Drops the attempts whose time is up, raises kOpenSettled when every awaited one has
    // connected or failed (or run out of time), and sets the timer for the next of these.
    void reviewAttempts();
    // Checks the port's lock files before QSerialPort sees them and takes the port's lock in our
    // lock folder when QSerialPort does not (tests use a folder of their own). Throws
    // kPortInUse naming the holder or the lock path.
    void lockPort(const std::string& path, const std::string& device);
    void close();
    // The device of a local port closed in this turn of the event loop, still open and locked.
    bool localPortOpen() const { return port_.isOpen() && !held_; }
    // Takes the held device back for a reopen of `device`; false when it cannot serve it (another
    // device, one that hung up, bytes of ours still unsent, settings refused).
    bool reopenHeld(const std::string& device);
    void releaseHeldPort();
    // After an open: DTR and RTS off.
    void startLineAfresh();
    void applyLineSettings();
    bool lineSettingsApplied();
    // Drives DTR or RTS on an open port; a line the device cannot drive (a pty) is no failure.
    void driveModemLine(bool dtr, bool on);
    // The quiet wait of a new connection: started at the open; bytes arriving meanwhile are
    // dropped and restart it; at its end what arrived goes and the output held is written.
    void startQuietWait();
    void heardDuringQuietWait();
    void endQuietWait();
    // Ends the quiet wait: drops what arrived and writes what was held; false when that failed.
    bool writeHeldOutput();
    bool waitingForQuiet() const { return quietWait_.isActive(); }
    void discardInput();
    // Hands the bytes to the port or the connection; throws Failure when it cannot.
    void write(const std::string& bytes);
    void takeReceivedBytes();
    void takeError(QSerialPort::SerialPortError error);
    void raise(int code);
    void raiseLater(int code);

    PortMap map_;
    std::string lockFolder_;
    bool qtLocksHere_;  // QSerialPort's own lock file, in the system folder, is the port's lock
    std::unique_ptr<posix::OwnLockFile> ownLock_;
    QSerialPort port_;
    bool held_ = false;  // port_ is closed for the program but not yet for the system
    QTimer heldRelease_;
    std::unique_ptr<network::NetworkConnection> network_;  // set while a network port is open
    std::string networkEntry_;                             // the entry network_ connects
    // Kept for kKeptConnectionMs once connected or failed; one still connecting is kept until it
    // is, so that the next open of a server that has not answered does not wait again.
    std::map<std::string, Attempt> attempts_;
    // Entries whose open (or scan) was put off until they connect or fail.
    std::set<std::string> awaited_;
    QTimer attemptsDue_;
    QTimer quietWait_;
    std::chrono::steady_clock::time_point quietWaitEnd_;  // the latest end of the quiet wait
    std::string heldOutput_;                              // written when the quiet wait ends
    int commPort_ = 1;
    LineSettings settings_;
    int handshaking_ = 0;
    bool dtr_ = false;
    bool rts_ = false;
    int inputLen_ = 0;  // 0: everything waiting
    int outBufferSize_ = 512;
    int rThreshold_ = 0;  // 0: no receive events
    int commEvent_ = 0;
    std::function<void()> handler_;
    bool drivingModemLine_ = false;
};

}  // namespace vq72
