// SPDX-License-Identifier: MIT
// vq72-osd-send as a process against the simulated device on a pseudo-terminal, directly and
// through Debian's ser2net on 127.0.0.1: an acknowledged send and its trace, asking the ports,
// ending by signal (and the end signals' handler in this process), a batch of devices (one
// silent), and the command-line conventions that it shares with the simulator.
// Lock files live in a folder of the test's own (VQ72_LOCK_DIR).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTcpServer>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <sstream>

#include "device/port_messages.h"
#include "platform/port_lock.h"
#include "platform/qt/termination_signals.h"
#include "sim/simulated_device.h"
#include "support/event_wait.h"
#include "support/process_run.h"
#include "support/scratch_folder.h"
#include "vq72/version.h"

namespace vq72 {
namespace {

using test::finish;
using test::kProcessBoundMs;
using test::ProcessRun;

// The bytes of HELLO at the top centre, white on black, as the device logs them.
const std::string kHelloFrame =
    "OSD 43 54 54 14 20 20 20 20 20 20 20 48 45 4C 4C 4F 20 20 20 20 20 20 20 20 10 31 32 06 "
    "33 06 34 06 37 13 0D 0A";

class SenderProcessTest : public testing::Test {
protected:
    void SetUp() override {
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("XDG_CONFIG_HOME", QString::fromStdString(folder_.path("config")));
        environment_.remove("VQ72_OSD_PORTS");
        environment_.insert("VQ72_LOCK_DIR", QString::fromStdString(folder_.folder("locks")));
    }

    // A simulated device published at <dir>/<name>.
    sim::SimulatedDevice& startDevice(const std::string& name, sim::Options options = {}) {
        options.linkPath = path(name);
        devices_.push_back(std::make_unique<sim::SimulatedDevice>(std::move(options)));
        devices_.back()->start();
        return *devices_.back();
    }
    std::string path(const std::string& name) const { return folder_.path(name); }
    std::string lockOf(const std::string& port) const {
        return path("locks/" + lockFileName(port));
    }
    void mapPorts(const std::string& map) {
        environment_.insert("VQ72_OSD_PORTS", QString::fromStdString(map));
    }

    void start(QProcess& process, const std::vector<std::string>& arguments,
               const std::string& program = VQ72_SENDER) {
        QStringList list;
        for (const auto& a : arguments) list << QString::fromStdString(a);
        process.setProcessEnvironment(environment_);
        process.setWorkingDirectory(QString::fromStdString(folder_.path()));
        process.start(QString::fromStdString(program), list);
        ASSERT_TRUE(process.waitForStarted(kProcessBoundMs));
    }
    // Runs the sender (or `program`) to its end, `input` on its standard input.
    ProcessRun send(const std::vector<std::string>& arguments, const std::string& input = "",
                    const std::string& program = VQ72_SENDER) {
        QProcess process;
        start(process, arguments, program);
        process.write(input.c_str());
        process.closeWriteChannel();
        const ProcessRun run = finish(process);
        EXPECT_TRUE(run.finished) << "the sender hung";
        return run;
    }

    test::ScratchFolder folder_;
    QProcessEnvironment environment_;
    std::vector<std::unique_ptr<sim::SimulatedDevice>> devices_;
};

// A link named relative to the working folder. The trace on standard error: each line after its
// time (25 characters); the reply may come in more than one read.
TEST_F(SenderProcessTest, AcknowledgedSendPrintsDoneAndTheDeviceGotTheExactFrame) {
    sim::SimulatedDevice& device = startDevice("relative-link");
    const ProcessRun run =
        send({"--device", "relative-link", "--color", "white-on-black", "--trace", "hello"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Done\n");
    EXPECT_EQ(device.log(), std::vector<std::string>{kHelloFrame});
    EXPECT_EQ(device.screen().text, "       HELLO        ");
    std::string traced;  // without the times, the reads of the reply joined
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);) {
        const bool more = line[25] == '<' && traced[traced.rfind('|') + 1] == '<';
        traced += more ? line.substr(26) : "|" + line.substr(25);
    }
    EXPECT_EQ(traced, "|open relative-link|> " + kHelloFrame.substr(4) +
                          "|< 56 51 37 32 34 30 20 43 54 2D 4F 4B 0D 0A|close");
}

// Debian's ser2net on 127.0.0.1 serving `device`, its line at 19200 baud until a client says
// otherwise; it dies with this process, also when a time limit ends it.
class Ser2net {
public:
    Ser2net(const std::string& accepter, const std::string& device) {
        const std::string config = "connection: &port#  accepter: " + accepter +
                                   "#  connector: serialdev," + device + ",19200n81,local";
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start("/usr/sbin/ser2net",
                       {"-n", "-u", "-P", QString::fromStdString(device + ".pid"), "-Y",
                        QString::fromStdString(config)});
    }
    ~Ser2net() {
        process_.terminate();
        process_.waitForFinished();
    }
    // Whether it listens on 127.0.0.1:`port`, as the kernel's table of TCP sockets says (a
    // connection would make it open the device and refuse the next client meanwhile).
    bool listening(int port) {
        return process_.waitForStarted() && test::processEventsUntil([port] {
                   QFile table("/proc/net/tcp");
                   return table.open(QIODevice::ReadOnly) &&
                          table.readAll().contains(
                              QString::asprintf("0100007F:%04X 00000000:0000 0A", port).toLatin1());
               });
    }

private:
    QProcess process_;
};

// Through ser2net as a Telnet COM Port Control (RFC 2217) port, named by a host name, which sets
// the line to 9600,N,8,1; and as a raw TCP port, which cannot.
TEST_F(SenderProcessTest, SendsThroughSer2netAsRfc2217AndAsRawTcp) {
    const struct {
        std::string accepter;
        std::string entry;
        std::string line;    // the line's settings, as the device logs them
        std::string absent;  // settings the line never had
    } cases[] = {{"telnet(rfc2217),tcp,127.0.0.1,", "rfc2217://localhost:", "LINE 9600,N,8,1",
                  "LINE 19200,N,8,1"},
                 {"tcp,127.0.0.1,", "tcp://127.0.0.1:", "LINE 19200,N,8,1", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        sim::Options options;
        options.logLineSettings = true;
        const std::string name = "behind" + std::to_string(devices_.size());
        const sim::SimulatedDevice& device = startDevice(name, options);
        QTcpServer probe;  // a free port for the server
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        const int port = probe.serverPort();
        probe.close();
        Ser2net server(c.accepter + std::to_string(port), path(name));
        ASSERT_TRUE(server.listening(port)) << "ser2net (installed by scripts/test) did not start";

        const ProcessRun run = send(
            {"--device", c.entry + std::to_string(port), "--color", "white-on-black", "hello"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "Done\n");
        const std::vector<std::string> log = device.log();
        EXPECT_EQ(std::count(log.begin(), log.end(), kHelloFrame), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), c.line), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), c.absent), 0);
        for (const std::string& line : log) EXPECT_NE(line.substr(0, 3), "BAD") << line;
    }
}

// The listing alone writes to no port; --probe asks each available port "CTS" once and marks
// only the one where a device answered. A network entry is asked too, and a server that refuses
// is named.
TEST_F(SenderProcessTest, ProbeAsksEachAvailablePortOnceAndMarksOnlyTheOneThatAnswered) {
    sim::Options silent;
    silent.silent = true;
    const sim::SimulatedDevice& answering = startDevice("answering");
    const sim::SimulatedDevice& quiet = startDevice("quiet", silent);
    mapPorts("1=" + path("answering") + ",2=" + path("quiet") + ",3=tcp://127.0.0.1:9");
    send({"--list-ports"});
    EXPECT_TRUE(answering.log().empty() && quiet.log().empty()) << "the listing wrote to a port";

    const ProcessRun run = send({"--list-ports", "--probe"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("COM4")),
              "COM1   " + path("answering") + "  available, VQ72xx answers  (" +
                  answering.portPath() + ")\nCOM2   " + path("quiet") +
                  "  available, no answer to CTS  (" + quiet.portPath() +
                  ")\nCOM3   tcp://127.0.0.1:9  network port, could not be asked (The "
                  "serial server 127.0.0.1:9 (tcp://127.0.0.1:9) refuses the connection. Check "
                  "that the server runs and that its port number is right.)\n");
    EXPECT_EQ(quiet.log(), std::vector<std::string>{"CTS 43 54 53"});
    EXPECT_EQ(answering.log(), std::vector<std::string>{"CTS 43 54 53"});
}

TEST_F(SenderProcessTest, EndSignalsCloseThePortAndRemoveTheLockFile) {
    sim::Options options;
    options.silent = true;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(number);
        const std::string name = "signal" + std::to_string(number);
        sim::SimulatedDevice& device = startDevice(name, options);
        QProcess process;
        start(process, {"--device", path(name), "--timeout", "600", "HELLO"});
        for (int i = 0; i < 500 && device.log().empty(); ++i) ::usleep(10'000);
        ASSERT_EQ(device.log().size(), 1u) << "the command never arrived";
        const std::string lock = lockOf(device.portPath());
        EXPECT_TRUE(std::filesystem::exists(lock)) << "the port is held under " << lock;
        ASSERT_TRUE(test::signalProcess(process, number));
        const ProcessRun run = finish(process);
        EXPECT_TRUE(run.finished && !run.crashed);
        EXPECT_EQ(run.exitCode, 128 + number);
        EXPECT_EQ(run.err,
                  "vq72-osd-send: ended by signal " + std::to_string(number) + "; port closed\n");
        EXPECT_FALSE(std::filesystem::exists(lock)) << lock << " was left behind";
    }
}

// The handler's socket pair is never inherited by a program the process starts (the PDF viewer)
// and never blocks the handler; a signal whose byte cannot be written leaves the interrupted
// code's errno alone.
TEST(TerminationSignals, WakeUpPairIsPrivateNonBlockingAndKeepsErrno) {
    const TerminationSignals handler;
    const int readEnd = static_cast<int>(handler.findChild<QSocketNotifier*>()->socket());
    EXPECT_NE(::fcntl(readEnd, F_GETFD) & FD_CLOEXEC, 0);
    EXPECT_NE(::fcntl(readEnd, F_GETFL) & O_NONBLOCK, 0);
    ::signal(SIGPIPE, SIG_IGN);
    ASSERT_EQ(::shutdown(readEnd, SHUT_RD), 0);  // the handler's write now fails (EPIPE)
    errno = EDOM;
    ::raise(SIGTERM);
    EXPECT_EQ(errno, EDOM);
}

// Three devices from standard input, the second one silent: a line each as it completes, the
// summary, and each device got its own text.
TEST_F(SenderProcessTest, ABatchLabelsEachDeviceInTurnAndSumsUp) {
    sim::SimulatedDevice& first = startDevice("a");
    sim::Options silent;
    silent.silent = true;
    sim::SimulatedDevice& quiet = startDevice("b", silent);
    sim::SimulatedDevice& third = startDevice("c");
    mapPorts("2=" + path("a") + ",3=" + path("b"));
    const ProcessRun run =
        send({"--batch", "-", "--timeout", "2"},
             "port,text\n2,hello,,white-on-black\nCOM3,quiet\n" + path("c") + ",x~");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("line 4: left out 1 character(s)"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "line 2: COM2 (" + path("a") + "): Done\nline 3: COM3 (" + path("b") +
                           "): No reply from the device on COM3 (" + path("b") +
                           ") within 2 s\nline 4: " + path("c") +
                           ": Done\n3 devices: 2 done, 1 no reply, 0 port unusable\n");
    EXPECT_EQ(first.log(), std::vector<std::string>{kHelloFrame});
    EXPECT_EQ(quiet.log().size() + third.log().size(), 2u);
    EXPECT_EQ(quiet.screen().text + third.screen().text,
              "       QUIET                 X          ");
}

// Both programs answer --version and refuse a bad option with 64; the sender starts each line of
// an error with its name, tells a batch file it cannot read (66) from a bad line (64), and checks
// a batch without opening a port (its device does not even exist).
TEST_F(SenderProcessTest, VersionExitStatusesAndErrorsFollowOneConvention) {
    const std::string sim = std::filesystem::path(VQ72_SENDER).parent_path() / "vq72-osd-sim";
    const std::string version = std::string(" (VQ72_OSD) ") + version::kText + "\n";
    mapPorts("1=" + path("none"));
    const std::string send = VQ72_SENDER, prefix = "vq72-osd-send: ";
    const std::string json = R"({"line":1,"port":"COM1","device":")" + path("none") +
                             R"(","frame":")" + kHelloFrame.substr(4) + "\"}\n";
    const struct {
        std::vector<std::string> command;  // the program, then its arguments
        std::string input;
        int status;
        std::string out;
        std::string errStart;
    } cases[] = {
        {{send, "--version"}, "", 0, "vq72-osd-send" + version, ""},
        {{sim, "--version"}, "", 0, "vq72-osd-sim" + version, ""},
        {{sim, "--bad"}, "", 64, "", "vq72-osd-sim: unknown option"},
        {{send, "--bad"}, "", 64, "", prefix + "unknown option --bad\nusage:"},
        {{send, "--port", "1", "X"}, "", 2, "", prefix + invalidPortMessage(1) + "\n" + prefix},
        {{send, "--batch", "nothing"}, "", 66, "", prefix + "cannot read the batch file nothing"},
        {{send, "--batch", "-", "--dry-run"}, "1,a\n1,b", 64, "", prefix + "line 2: COM1 ("},
        {{send, "--batch", "-", "--dry-run", "--json"}, "1,hello,,white-on-black", 0, json, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command[0] + " " + c.command[1]);
        const ProcessRun run =
            this->send({c.command.begin() + 1, c.command.end()}, c.input, c.command[0]);
        EXPECT_EQ(run.exitCode, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err.substr(0, c.errStart.size()), c.errStart);
    }
}

}  // namespace
}  // namespace vq72
