// SPDX-License-Identifier: MIT
// The send-and-wait session over a fake serial control: the port opened as the window opens it,
// stale replies discarded before the write, the acknowledgement, a lost port, failed opens;
// and which replies acknowledge a command.
#include "cli/send_session.h"
#include "cli/acknowledgement_watch.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace vq72::cli {
namespace {

using test::FakeSerialControl;

constexpr int kPort = 3;
const std::string kCommand = "CTT\x14 command";

class SendSessionTest : public testing::Test {
protected:
    SendSessionTest() {
        serial.present = {kPort};
        session.setChangeHandler([this] { ++changes; });
    }
    FakeSerialControl serial;
    SendSession session{serial};
    int changes = 0;
};

// What the line sees: the port open at 9600,N,8,1 with DTR and RTS on, bytes left from an
// earlier exchange discarded, and the command written once.
TEST_F(SendSessionTest, OpensAt9600N81WithDtrAndRtsAndWritesTheCommandOnce) {
    session.send(kPort, kCommand);
    EXPECT_TRUE(serial.portOpen() && serial.dtrEnable() && serial.rtsEnable());
    for (const char* call : {"setSettings(9600,N,8,1)", "setHandshaking(0)",
                             "setOutBufferSize(2500)", "purge(receive)"}) {
        EXPECT_EQ(serial.count(call), 1) << call;
    }
    EXPECT_EQ(serial.inputLen, 2500);
    EXPECT_EQ(serial.threshold, 1);
    EXPECT_EQ(serial.written, std::vector<std::string>{kCommand});
    EXPECT_EQ(session.state(), SendSession::State::AwaitingReply);
    EXPECT_EQ(changes, 0);
}

TEST_F(SendSessionTest, LostPortFinishesTheSession) {
    session.send(kPort, kCommand);
    serial.raise(comm_event::kPortLost);
    EXPECT_EQ(session.state(), SendSession::State::PortLost);
    EXPECT_EQ(changes, 1);
    EXPECT_NO_THROW(session.rethrowEventFailure());
}

// What an event throws stays out of the event loop that raised it: the session ends and hands
// it on afterwards.
TEST_F(SendSessionTest, AFailedEventFinishesTheSessionAndIsThrownAfterwards) {
    session.send(kPort, kCommand);
    serial.failures.fail("commEvent", 1, "lost memory");
    serial.raise(comm_event::kReceive);
    serial.raise(comm_event::kReceive);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(session.rethrowEventFailure(), Failure);
}

// A network port still connecting: nothing is written until the control says it has settled;
// then the command goes out, or the open's failure ends the session.
TEST_F(SendSessionTest, APortStillConnectingIsWrittenToOnceItHasSettled) {
    serial.connecting = {kPort};
    session.send(kPort, kCommand);
    EXPECT_EQ(session.state(), SendSession::State::Connecting);
    EXPECT_TRUE(serial.written.empty());
    serial.connecting.clear();
    serial.raise(comm_event::kOpenSettled);
    EXPECT_EQ(session.state(), SendSession::State::AwaitingReply);
    EXPECT_EQ(serial.written, std::vector<std::string>{kCommand});
    EXPECT_EQ(changes, 1);

    FakeSerialControl gone;
    gone.connecting = {kPort};
    SendSession failing(gone);
    failing.send(kPort, kCommand);
    gone.connecting.clear();
    gone.raise(comm_event::kOpenSettled);
    EXPECT_EQ(failing.state(), SendSession::State::Failed);
    ASSERT_TRUE(failing.failure());
    EXPECT_EQ(failing.failure()->number(), failure_number::kNoSuchPort);
    EXPECT_FALSE(gone.portOpen());
}

// Which replies acknowledge a command: only a whole line holding "CT-OK", however the bytes
// are cut into reads, and never noise, the banner or a line still unfinished.
TEST(AcknowledgementWatch, JudgesWholeLines) {
    const struct {
        const char* name;
        std::vector<std::string> reads;
        bool acknowledged;
    } cases[] = {{"byte by byte", {"C", "T", "-", "O", "K", "\r"}, true},
                 {"token cut from a flood", {"CT-OK" + std::string(200, 'x') + "\r"}, false},
                 {"token at the end of a flood", {std::string(5000, 'x') + "CT-OK\r"}, true}};
    for (const auto& c : cases) {
        AcknowledgementWatch watch;
        for (const auto& bytes : c.reads) watch.take(bytes);
        EXPECT_EQ(watch.acknowledged(), c.acknowledged) << c.name;
    }
}

}  // namespace
}  // namespace vq72::cli
