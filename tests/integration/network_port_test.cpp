// Network serial ports through a real serial device server: Debian's ser2net on the loopback
// address, in front of the simulated device's pseudo-terminal, as a raw TCP port and as a Telnet
// COM Port Control (RFC 2217) port.
#include <sys/prctl.h>

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <string>

#include "osd/action_buttons.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "program_on_simulator.h"
#include "sim/frame_log.h"
#include "support/process_run.h"

namespace vq72::test {
namespace {

int unusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// Whether something listens on 127.0.0.1:`port`, as the kernel's table of TCP sockets says.
// Neither connecting (ser2net would open and close the device, and refuse the next client
// meanwhile) nor binding the port to try it (a ser2net that starts meanwhile never listens).
bool listening(int port) {
    QFile table("/proc/net/tcp");
    return table.open(QIODevice::ReadOnly) &&
           table.readAll().contains(
               QString::asprintf("0100007F:%04X 00000000:0000 0A", port).toLatin1());
}

std::string tcpEntry(const QTcpServer& server) {
    return "tcp://127.0.0.1:" + std::to_string(server.serverPort());
}

// ser2net serving `device` on 127.0.0.1, its line at 19200 baud until a client says otherwise.
class Ser2net {
public:
    Ser2net(const std::string& accepter, const std::string& device)
        : pidFile_(QString::fromStdString(device + ".pid")),
          config_(QString::fromStdString("connection: &port#  accepter: " + accepter +
                                         "#  connector: serialdev," + device + ",19200n81,local")) {
    }
    ~Ser2net() { stop(); }

    // Starts the server (killed with this process, also when a time limit ends it) and waits
    // until it takes connections.
    bool start(int port) {
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start("/usr/sbin/ser2net", {"-n", "-u", "-P", pidFile_, "-Y", config_});
        return process_.waitForStarted() && processEventsUntil([&] { return listening(port); });
    }
    void stop() {
        process_.terminate();
        process_.waitForFinished();
    }

private:
    QString pidFile_;
    QString config_;
    QProcess process_;
};

template <bool kRfc2217>
class ThroughSer2net : public ProgramOnSimulator {
protected:
    ThroughSer2net() : ThroughSer2net(unusedPort()) {}
    explicit ThroughSer2net(int port)
        : ProgramOnSimulator(entry(port)),
          port_(port),
          server_((kRfc2217 ? "telnet(rfc2217),tcp,127.0.0.1," : "tcp,127.0.0.1,") +
                      std::to_string(port),
                  link()) {}
    // The Telnet port is named by a host name, which is looked up on a thread of its own.
    static std::string entry(int port) {
        return (kRfc2217 ? "rfc2217://localhost:" : "tcp://127.0.0.1:") + std::to_string(port);
    }

    // Loads the program on port 1 behind the server, the device logging its line settings, and
    // saves "HELLO" through it.
    void savesHelloBehindServer() {
        ASSERT_TRUE(server_.start(port_)) << "ser2net (installed by scripts/setup) did not start";
        sim::Options options;
        options.logLineSettings = true;
        start(options);
        ASSERT_TRUE(statusWithin(kFound, kSettleLimitTicks));
        w.Text_input.setText("HELLO");
        program.cmd_button_Click(ActionButtons::kSave);
        const std::string command = serial.written.back();
        ASSERT_TRUE(statusWithin("Done", kPollLimitTicks));
        EXPECT_TRUE(logged(sim::formatLogLine({sim::FrameKind::Osd, command, {}})));
        for (const std::string& line : device().log()) EXPECT_NE(line.substr(0, 3), "BAD") << line;
    }
    bool logged(const std::string& line) {
        const auto log = device().log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    int port_;
    Ser2net server_;
};

using RawTcpPort = ThroughSer2net<false>;
using Rfc2217Port = ThroughSer2net<true>;

TEST_F(Rfc2217Port, TextArrivesWholeAndTheServerSetsTheLineTo9600N81) {
    savesHelloBehindServer();
    EXPECT_TRUE(logged("LINE 9600,N,8,1"));
    EXPECT_FALSE(logged("LINE 19200,N,8,1"));
}

TEST_F(RawTcpPort, TextArrivesWholeAndAServerThatStopsIsLostOnceAndFoundAgain) {
    savesHelloBehindServer();
    EXPECT_TRUE(logged("LINE 19200,N,8,1"));  // a raw port cannot tell the server its settings

    // Lost, reported once, and found again. (Once over many failing polls: the port's return
    // test.)
    server_.stop();
    serverStopped();
    ASSERT_TRUE(statusWithin("No Com Port", kPollLimitTicks));
    ASSERT_TRUE(server_.start(port_));
    ASSERT_TRUE(statusWithin(kFound, 2 * kPollLimitTicks));
    EXPECT_EQ(shownReports().size(), 1u);
}

// Opens `port` as the window does: a network port still connecting is opened again once the
// control says it has connected or failed. Returns the failure's description, or "opened".
std::string openWhenSettled(QtSerialControl& control, int port) {
    bool settled = false;
    control.setEventHandler([&] { settled = control.commEvent() == comm_event::kOpenSettled; });
    control.setCommPort(port);
    for (;;) {
        try {
            control.setPortOpen(true);
            return "opened";
        } catch (const Failure& failure) {
            if (failure.number() != failure_number::kPortOpening) return failure.description();
        }
        settled = false;
        if (!processEventsUntil([&] { return settled; })) return "never settled";
    }
}

// Each open that fails names the server and says why (a refusal: the sender's probe test): the
// host does not answer in time (a full backlog); the server answers without Telnet COM Port Control
// (also when named by an IPv4-mapped IPv6 address, which connects over IPv4); the zone names no
// interface.
TEST(NetworkPort, OpensThatFailNameTheServerAndWhy) {
    QTcpServer full;  // one connection fills its backlog: later ones get no answer
    full.setListenBacklogSize(0);
    ASSERT_TRUE(full.listen(QHostAddress::LocalHost));
    full.pauseAccepting();
    QTcpSocket waiting;
    waiting.connectToHost(QHostAddress::LocalHost, full.serverPort());
    ASSERT_TRUE(waiting.waitForConnected(kIoBoundMs));
    const std::string silent = std::to_string(full.serverPort());
    QTcpServer plain;  // takes connections and never says a word
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost));
    const std::string mute = std::to_string(plain.serverPort());
    const std::string refusing = std::to_string(unusedPort());
    const struct {
        std::string entry;
        std::string message;
    } cases[] = {
        {"rfc2217://127.0.0.1:" + silent,
         "The serial server 127.0.0.1:" + silent + " (rfc2217://127.0.0.1:" + silent +
             ") does not answer. Check that the host is on the network and that the server runs."},
        {"rfc2217://127.0.0.1:" + mute,
         "The serial server 127.0.0.1:" + mute + " (rfc2217://127.0.0.1:" + mute +
             ") answers but does not speak RFC 2217 (Telnet COM Port Control). Use tcp://"
             "127.0.0.1:" +
             mute +
             " for a raw TCP port, or make the server's port a "
             "telnet(rfc2217) one."},
        {"rfc2217://[::ffff:127.0.0.1]:" + mute, "The serial server [::ffff:127.0.0.1]:" + mute +
                                                     " (rfc2217://[::ffff:127.0.0.1]:" + mute +
                                                     ") answers but does not speak RFC 2217"},
        {"tcp://[fe80::1%vq72none]:" + refusing,
         "The serial server [fe80::1%vq72none]:" + refusing +
             " (tcp://[fe80::1%vq72none]:" + refusing +
             ") names the network interface \"vq72none\", which this computer does "
             "not have. Name one of its interfaces after \"%\"."},
    };
    std::string map;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        map += (i == 0 ? "" : ",") + std::to_string(i + 1) + "=" + cases[i].entry;
    }
    QtSerialControl control(PortMap::parse(map));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string message = openWhenSettled(control, static_cast<int>(i + 1));
        EXPECT_EQ(message.substr(0, cases[i].message.size()), cases[i].message) << message;
        EXPECT_FALSE(control.portOpen());
    }
}

// The sender ended by a signal while its network port connects (the server has answered, the
// Telnet negotiation has not) exits with 128 + the signal's number. (Each end signal and its
// words: the sender's process test.)
TEST(NetworkPort, ASenderEndedWhileItConnectsExitsWith128PlusTheSignal) {
    QTcpServer plain;
    ASSERT_TRUE(plain.listen(QHostAddress::LocalHost));
    const std::string entry = "rfc2217://127.0.0.1:" + std::to_string(plain.serverPort());
    QProcess sender;
    sender.start(VQ72_SENDER, {"--device", QString::fromStdString(entry), "HELLO"});
    ASSERT_TRUE(sender.waitForStarted(kIoBoundMs));
    ASSERT_TRUE(plain.waitForNewConnection(kIoBoundMs)) << "the sender never connected";
    ASSERT_TRUE(signalProcess(sender, SIGHUP));
    const ProcessRun run = finish(sender);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 128 + SIGHUP);
}

TEST(NetworkPort, AServerThatFloodsIsReadNoFurtherThanTheReceiveBuffer) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    // Blocks of bytes without a line end, as fast as the client takes them.
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* client = server.nextPendingConnection();
        const auto more = [client] { client->write(QByteArray(1000, 'x')); };
        QObject::connect(client, &QTcpSocket::bytesWritten, client, more);
        more();
    });
    QtSerialControl control(PortMap::parse("1=" + tcpEntry(server)));
    ASSERT_EQ(openWhenSettled(control, 1), "opened");
    const int limit = static_cast<int>(network::NetworkConnection::kReceiveLimit);
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(processEventsUntil([&] { return control.inBufferCount() == limit; }));
        EXPECT_EQ(control.input().size(), static_cast<std::size_t>(limit));
    }
}

// A terminal server may replay what the device said while nobody was connected: the control
// hears nothing of it.
TEST(NetworkPort, WhatAServerSendsOnAcceptingIsNotTakenForAReply) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QByteArray heard;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket* client = server.nextPendingConnection();
        client->write("VQ7240 CT-OK\r\n");
        QObject::connect(client, &QTcpSocket::readyRead,
                         [&heard, client] { heard += client->readAll(); });
    });
    QtSerialControl control(PortMap::parse("1=" + tcpEntry(server)));
    int events = 0;
    control.setEventHandler([&] { ++events; });
    control.setRThreshold(1);
    control.setPortOpen(true);
    control.output("CTS");
    ASSERT_TRUE(processEventsUntil([&] { return heard.contains("CTS"); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(control.inBufferCount(), 0);
    EXPECT_EQ(events, 0);
}

}  // namespace
}  // namespace vq72::test
