// SPDX-License-Identifier: MIT
// The Qt serial control against the simulated device on a real pseudo-terminal.
#include "platform/qt/qt_serial_control.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>

#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/port_lock.h"
#include "platform/posix/port_lock_files.h"
#include "sim/simulated_device.h"
#include "support/event_wait.h"
#include "support/scratch_folder.h"

namespace vq72 {
namespace {

using test::processEventsUntil;

constexpr int kPort = 1;
// The line settings of the pty, as the device side of a real line would have them.
termios lineOf(const std::string& path) {
    termios line{};
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::tcgetattr(fd, &line), 0);
    ::close(fd);
    return line;
}

// How many names the open file at `fd` has: 0 once it was deleted.
nlink_t namesOf(int fd) {
    struct stat status {};
    EXPECT_EQ(::fstat(fd, &status), 0);
    return status.st_nlink;
}

class QtSerialControlTest : public testing::Test {
protected:
    std::string link() const { return folder_.path("port"); }
    std::string locks() const { return folder_.folder("locks"); }

    void startDevice(sim::Options options = {}) {
        options.linkPath = link();
        device_ = std::make_unique<sim::SimulatedDevice>(std::move(options));
        device_->start();
    }
    // A control configured as the program does it, port 1 mapped to the simulator's link.
    QtSerialControl& makeControl() {
        PortMap map;
        map.set(kPort, link());
        control_ = std::make_unique<QtSerialControl>(map, locks());
        control_->setEventHandler([this] { events_.push_back(control_->commEvent()); });
        control_->setCommPort(kPort);
        control_->setSettings("9600,N,8,1");
        control_->setHandshaking(0);
        control_->setInputLen(2500);
        control_->setOutBufferSize(2500);
        control_->setRThreshold(11);
        return *control_;
    }
    // Opened as the program does it, and past the new connection's quiet wait: the first
    // "CTS" is answered, and nothing else has arrived.
    QtSerialControl& openControl() {
        QtSerialControl& c = makeControl();
        c.setPortOpen(true);
        c.setDTREnable(true);
        c.setRTSEnable(true);
        firstExchange(c);
        return c;
    }
    void firstExchange(QtSerialControl& c) {
        c.output("CTS");
        EXPECT_TRUE(processEventsUntil([&] { return c.inBufferCount() == 14; }));
        EXPECT_EQ(c.input(), "VQ7240 CT-OK\r\n");
        events_.clear();
    }
    bool deviceLogged(std::size_t lines) {
        return processEventsUntil([&] { return device_->log().size() >= lines; });
    }
    int count(int code) const {
        return static_cast<int>(std::count(events_.begin(), events_.end(), code));
    }

    test::ScratchFolder folder_;
    std::unique_ptr<sim::SimulatedDevice> device_;
    std::vector<int> events_;
    std::unique_ptr<QtSerialControl> control_;
};

TEST_F(QtSerialControlTest, OpeningApplies9600N81AndKeepsModemLinesAsSet) {
    startDevice();
    QtSerialControl& c = makeControl();
    c.setDTREnable(true);
    EXPECT_FALSE(c.dtrEnable()) << "DTR reads True only once set on an open port";
    c.setPortOpen(true);
    ASSERT_TRUE(c.portOpen());
    c.setDTREnable(true);
    c.setRTSEnable(true);
    EXPECT_TRUE(c.dtrEnable());
    EXPECT_TRUE(c.rtsEnable());

    const termios line = lineOf(link());
    EXPECT_EQ(::cfgetospeed(&line), B9600);
    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    firstExchange(c);

    // Ten bytes stay below the receive threshold of 11; the reply takes them over it.
    device_->transmit(std::string(10, 'x'));
    ASSERT_TRUE(processEventsUntil([&] { return c.inBufferCount() == 10; }));
    EXPECT_EQ(count(comm_event::kReceive), 0);
    c.setOutBufferSize(3);  // "CTS" just fits
    c.output("CTS");
    ASSERT_TRUE(processEventsUntil([&] { return count(comm_event::kReceive) > 0; }));
    ASSERT_TRUE(processEventsUntil([&] { return c.inBufferCount() == 24; }));
    c.setInputLen(10);
    EXPECT_EQ(c.input(), std::string(10, 'x'));
    c.setInputLen(2500);
    EXPECT_EQ(c.input(), "VQ7240 CT-OK\r\n");
    // Bytes past OutBufferSize are refused, not dropped as if written.
    EXPECT_THROW(c.output("CTS?"), Failure);
    EXPECT_TRUE(processEventsUntil([&] { return count(comm_event::kTxFull) == 1; }));
    c.setPortOpen(false);
    EXPECT_FALSE(c.dtrEnable());
    EXPECT_FALSE(c.rtsEnable());
}

TEST_F(QtSerialControlTest, FloodKeepsTheReceiveBufferBoundedAndLosesNothing) {
    startDevice();
    QtSerialControl& c = openControl();
    constexpr std::size_t kFlood = 10'000;
    std::string flood(kFlood, '\0');
    for (std::size_t i = 0; i < kFlood; ++i) flood[i] = static_cast<char>('a' + i % 26);
    device_->transmit(flood);
    int most = 0;
    // Nobody reads: the waiting bytes grow to the bound and stop there.
    ASSERT_TRUE(processEventsUntil([&] {
        most = std::max(most, c.inBufferCount());
        return most >= QtSerialControl::kReadBufferBytes;
    }));
    processEventsUntil([&] { return c.inBufferCount() > QtSerialControl::kReadBufferBytes; }, 200);
    std::string received;
    ASSERT_TRUE(processEventsUntil([&] {
        most = std::max(most, c.inBufferCount());
        received += c.input();
        return received.size() >= kFlood;
    })) << received.size();
    EXPECT_EQ(most, QtSerialControl::kReadBufferBytes);
    EXPECT_TRUE(received == flood) << "received " << received.size() << " bytes, out of order";
}

// The presence poll closes the port and opens it again at once: the device stays open and locked
// in between, and is let go when the turn of the event loop is over.
TEST_F(QtSerialControlTest, AReopenInTheSameTurnKeepsTheDeviceUnlessItChanged) {
    startDevice();
    QtSerialControl& c = openControl();
    const std::string lock = locks() + "/" + lockFileName(posix::realDevicePath(link()));
    const int lockFile = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lockFile, 0);
    device_->transmit("stale");
    ASSERT_TRUE(processEventsUntil([&] { return c.inBufferCount() == 5; }));
    events_.clear();

    c.setPortOpen(false);
    EXPECT_FALSE(c.portOpen());
    c.setPortOpen(true);
    EXPECT_EQ(namesOf(lockFile), 1u) << "the lock lapsed between the close and the reopen";
    EXPECT_EQ(c.inBufferCount(), 0) << "bytes from before the close outlived it";
    c.output("CTS");
    ASSERT_TRUE(processEventsUntil([&] { return count(comm_event::kReceive) == 1; }));
    EXPECT_EQ(c.input(), "VQ7240 CT-OK\r\n");

    c.setPortOpen(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(namesOf(lockFile), 0u) << "the device is still held after the turn";
    ::close(lockFile);

    // Between the close and the reopen, the path comes to name another device.
    sim::Options beside;
    beside.linkPath = folder_.path("beside");
    sim::SimulatedDevice other(beside);
    other.start();
    c.setPortOpen(true);
    c.setPortOpen(false);
    ASSERT_EQ(::rename(beside.linkPath.c_str(), link().c_str()), 0);
    c.setPortOpen(true);
    c.output("CTS");
    EXPECT_TRUE(processEventsUntil([&] { return other.log().size() == 1; }))
        << "the reopen wrote to the device the path no longer names";
}

// A device that hangs up (an adapter pulled out) is lost, raised once however often the line
// reports it; its path cannot be opened while it is away, and opens again once it is back.
TEST_F(QtSerialControlTest, AVanishedDeviceIsLostOnceAndOpensAgainWhenItReturns) {
    sim::Options options;
    options.vanishAfter = 2;
    options.returnAfter = std::chrono::milliseconds(1000);
    startDevice(options);
    QtSerialControl& c = openControl();
    c.output("CTS");
    ASSERT_TRUE(processEventsUntil([&] { return count(comm_event::kPortLost) > 0; }));
    EXPECT_FALSE(c.portOpen());
    ASSERT_TRUE(device_->portPath().empty());
    try {
        c.setPortOpen(true);
        ADD_FAILURE() << "a vanished device opened";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), failure_number::kNoSuchPort);
    }
    ASSERT_TRUE(processEventsUntil([&] { return !device_->portPath().empty(); }));
    EXPECT_EQ(count(comm_event::kPortLost), 1);
    c.setPortOpen(true);
    firstExchange(c);
}

// What waited on the line before the open, and what comes before the line has been quiet, is
// dropped; the first write goes once it is quiet.
TEST_F(QtSerialControlTest, ANewConnectionHearsNothingFromBeforeItsFirstWrite) {
    sim::Options options;
    options.silent = true;
    startDevice(options);
    device_->transmit("VQ7240 CT-OK\r\n");
    ASSERT_TRUE(processEventsUntil([&] { return device_->unreadByHost() == 14; }));
    QtSerialControl& c = makeControl();
    c.setPortOpen(true);
    c.output("CTS");
    EXPECT_TRUE(device_->log().empty()) << "written before the line was quiet";
    ASSERT_TRUE(deviceLogged(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(c.inBufferCount(), 0);
    EXPECT_EQ(c.input(), "");
    EXPECT_EQ(count(comm_event::kReceive), 0);
    // Closed within the wait, the port still writes what it holds.
    c.setPortOpen(false);
    QCoreApplication::processEvents();
    c.setPortOpen(true);
    c.output("CTS");
    c.setPortOpen(false);
    EXPECT_TRUE(deviceLogged(2));
}

}  // namespace
}  // namespace vq72
