// SPDX-License-Identifier: MIT
// The port listing against a made-up machine: device nodes, what their lock paths hold,
// permissions.
#include "cli/port_probe.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <set>

namespace vq72::cli {
namespace {

class FakeFileSystem : public FileSystemView {
public:
    std::map<std::string, Node> nodes;
    std::set<std::string> forbidden;        // not readable and writable by us
    std::map<std::string, int> openErrors;  // by path
    std::map<std::string, PortLock> locks;  // by port path

    Node node(const std::string& path) const override {
        const auto it = nodes.find(path);
        return it == nodes.end() ? Node::Missing : it->second;
    }
    bool readWritable(const std::string& path) const override { return !forbidden.count(path); }
    int openError(const std::string& path) const override {
        const auto it = openErrors.find(path);
        return it == openErrors.end() ? 0 : it->second;
    }
    PortLock portLock(const std::string& path) const override {
        const auto it = locks.find(path);
        return it == locks.end() ? PortLock{} : it->second;
    }
    std::vector<std::string> list(const std::string&) const override { return {}; }
    std::string resolve(const std::string& path) const override { return path; }
};

const std::string kDevice = "/dev/ttyUSB0";
const std::string kLock = "/var/lock/LCK..ttyUSB0";
const std::string kDialout =
    "permission denied (add your user to the dialout group: sudo usermod -aG dialout $USER, "
    "then log in again)";

TEST(PortProbeTest, TellsTheStateOfTheDevice) {
    const struct {
        const char* name;
        std::function<void(FakeFileSystem&)> arrange;
        std::string status;
    } machines[] = {{"not ours", [](FakeFileSystem& f) { f.forbidden.insert(kDevice); }, kDialout},
                    {"regular file",
                     [](FakeFileSystem& f) { f.nodes[kDevice] = FileSystemView::Node::OtherFile; },
                     "not a serial port"},
                    {"exclusive open without lock file",
                     [](FakeFileSystem& f) { f.openErrors[kDevice] = EBUSY; }, "in use"},
                    {"live lock owner",
                     [](FakeFileSystem& f) {
                         f.locks[kDevice] = {PortLock::State::Held, kLock, 1234, "picocom", ""};
                         f.forbidden.insert(kDevice);  // the holder decides, not our permissions
                     },
                     "in use by PID 1234 (picocom)"},
                    {"odd thing at the lock path",
                     [](FakeFileSystem& f) {
                         f.locks[kDevice] = {PortLock::State::Odd, kLock, 0, "", "a FIFO"};
                     },
                     "in use (a FIFO at /var/lock/LCK..ttyUSB0, not a lock file)"},
                    {"stale lock file",
                     [](FakeFileSystem& f) {
                         f.locks[kDevice] = {PortLock::State::Stale, kLock, 999999, "", ""};
                     },
                     "stale lock file /var/lock/LCK..ttyUSB0"}};
    for (const auto& m : machines) {
        FakeFileSystem files;
        files.nodes[kDevice] = FileSystemView::Node::CharacterDevice;
        m.arrange(files);
        EXPECT_EQ(probePort(kDevice, files).status, m.status) << m.name;
    }
}

TEST(PortProbeTest, ListingHasOneLinePerPortNumberWithPathsEscapedAndUnpadded) {
    FakeFileSystem files;
    files.nodes["/dev/pts/4"] = FileSystemView::Node::CharacterDevice;
    const std::string listing =
        listPorts(PortMap::parse("1=/dev/pts/4,16=/tmp/a\nb\x1b[2J,99=/x"), files);
    std::string expected = "COM1   /dev/pts/4  available\n";
    for (int n = 2; n <= 15; ++n) {
        const std::string com = "COM" + std::to_string(n);
        expected += com + std::string(7 - com.size(), ' ') + "-  no device in the port map\n";
    }
    EXPECT_EQ(listing,
              expected + "COM16  /tmp/a\\nb\\x1B[2J  missing\n" +
                  "VQ72_OSD_PORTS: \"99=/x\" left out: \"99\" is not a port number 1 to 16\n");
}

// Only available ports and network entries are asked; each field is null when it has nothing.
TEST(PortProbeTest, JsonEntriesSayWhatWasAskedAndWhy) {
    FakeFileSystem files;
    files.nodes["/dev/a"] = FileSystemView::Node::CharacterDevice;
    const std::vector<PortEntry> entries = portEntries(
        PortMap::parse("1=/dev/a,2=tcp://h:1,3=/dev/gone,4=tcp://h:2"), files, [](int port) {
            using Kind = ProbeAnswer::Kind;
            if (port == 4) return ProbeAnswer{Kind::Silent, {}};
            return ProbeAnswer{port == 1 ? Kind::Answered : Kind::Failed, "\"no\""};
        });
    const std::string tail = R"(,"other_name":null,"answered":)";
    const std::string fromDevice[] = {
        R"("/dev/a","state":"available")" + tail + R"(true,"not_asked_because":null})",
        R"("tcp://h:1","state":"network port")" + tail + R"(null,"not_asked_because":"\"no\""})",
        R"("/dev/gone","state":"missing")" + tail + R"(null,"not_asked_because":null})",
        R"("tcp://h:2","state":"network port")" + tail + R"(false,"not_asked_because":null})",
        R"(null,"state":"no device in the port map")" + tail + R"(null,"not_asked_because":null})"};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(portEntryJson(entries[n - 1]), R"({"port":)" + std::to_string(n) +
                                                     R"(,"name":"COM)" + std::to_string(n) +
                                                     R"(","device":)" + fromDevice[n - 1]);
    }
}

}  // namespace
}  // namespace vq72::cli
