// SPDX-License-Identifier: MIT
// The serial control's network ports against servers on the loopback address: opens that fail,
// a server that hangs up, floods or greets. (Through a real ser2net: the sender's process test.)
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <string>

#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/network/network_connection.h"
#include "platform/qt/qt_serial_control.h"
#include "support/event_wait.h"

namespace vq72::test {
namespace {

int unusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

std::string tcpEntry(const QTcpServer& server) {
    return "tcp://127.0.0.1:" + std::to_string(server.serverPort());
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

// A server that ends the connection: the port is lost, raised once, and opens again.
TEST(NetworkPort, AServerThatHangsUpLosesThePortOnce) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QtSerialControl control(PortMap::parse("1=" + tcpEntry(server)));
    ASSERT_EQ(openWhenSettled(control, 1), "opened");
    std::vector<int> events;
    control.setEventHandler([&] { events.push_back(control.commEvent()); });
    ASSERT_TRUE(processEventsUntil([&] { return server.hasPendingConnections(); }));
    server.nextPendingConnection()->abort();
    ASSERT_TRUE(processEventsUntil([&] { return !control.portOpen(); }));
    processEventsUntil([] { return false; }, 300);  // any further report of the loss comes
    EXPECT_EQ(events, std::vector<int>{comm_event::kPortLost});
    EXPECT_EQ(openWhenSettled(control, 1), "opened");
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
