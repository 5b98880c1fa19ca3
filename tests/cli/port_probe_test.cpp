// The port listing against a made-up machine: device nodes, lock files and their owners,
// permissions.
#include "cli/port_probe.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <set>

#include "cli/lock_file.h"

namespace vq72::cli {
namespace {

class FakeFileSystem : public FileSystemView {
public:
    std::map<std::string, Node> nodes;
    std::set<std::string> forbidden;        // not readable and writable by us
    std::map<std::string, int> openErrors;  // by path
    std::map<std::string, std::string> files;

    Node node(const std::string& path) const override {
        const auto it = nodes.find(path);
        return it == nodes.end() ? Node::Missing : it->second;
    }
    bool readWritable(const std::string& path) const override { return !forbidden.count(path); }
    int openError(const std::string& path) const override {
        const auto it = openErrors.find(path);
        return it == openErrors.end() ? 0 : it->second;
    }
    std::optional<std::string> read(const std::string& path) const override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    std::vector<std::string> list(const std::string&) const override { return {}; }
    std::string resolve(const std::string& path) const override { return path; }
};

const std::string kDevice = "/dev/ttyUSB0";
const std::string kLock = "/var/lock/LCK..ttyUSB0";
const std::string kDialout =
    "permission denied (add your user to the dialout group: sudo usermod -aG dialout $USER, "
    "then log in again)";

struct Machine {
    const char* name;
    std::function<void(FakeFileSystem&)> arrange;
    std::string status;
};

class ProbeCases : public testing::TestWithParam<Machine> {};

TEST_P(ProbeCases, TellTheStateOfTheDevice) {
    FakeFileSystem files;
    files.nodes[kDevice] = FileSystemView::Node::CharacterDevice;
    GetParam().arrange(files);
    EXPECT_EQ(probePort(kDevice, files).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ProbeCases,
    testing::Values(
        Machine{"FreeDevice", [](FakeFileSystem&) {}, "available"},
        Machine{"NoNode", [](FakeFileSystem& f) { f.nodes.clear(); }, "missing"},
        Machine{"NotOurs", [](FakeFileSystem& f) { f.forbidden.insert(kDevice); }, kDialout},
        Machine{"RegularFile",
                [](FakeFileSystem& f) { f.nodes[kDevice] = FileSystemView::Node::OtherFile; },
                "not a serial port"},
        Machine{"ExclusiveOpenWithoutLockFile",
                [](FakeFileSystem& f) { f.openErrors[kDevice] = EBUSY; }, "in use"},
        Machine{"LiveLockOwner",
                [](FakeFileSystem& f) {
                    f.files[kLock] = "      1234\n";
                    f.files["/proc/1234/comm"] = "picocom\n";
                },
                "in use by PID 1234 (picocom)"},
        Machine{"StaleLockFile", [](FakeFileSystem& f) { f.files[kLock] = "999999\n"; },
                "stale lock file /var/lock/LCK..ttyUSB0"},
        Machine{"UnreadableLockContents",
                [](FakeFileSystem& f) { f.files[kLock] = std::string("\x01\x02\x03\x04", 4); },
                "in use (lock file /var/lock/LCK..ttyUSB0)"}),
    [](const testing::TestParamInfo<Machine>& info) { return std::string(info.param.name); });

TEST(PortProbeTest, ListingHasOneLinePerPortNumber) {
    FakeFileSystem files;
    files.nodes["/dev/pts/4"] = FileSystemView::Node::CharacterDevice;
    const std::string listing = listPorts(PortMap::parse("1=/dev/pts/4,16=/tmp/gone"), files);
    std::string expected = "COM1   /dev/pts/4  available\n";
    for (int n = 2; n <= 15; ++n) {
        const std::string com = "COM" + std::to_string(n);
        expected +=
            com + std::string(7 - com.size(), ' ') + "-           no device in the port map\n";
    }
    EXPECT_EQ(listing, expected + "COM16  /tmp/gone   missing\n");
}

TEST(LockFileTest, OwnerIsTheLeadingProcessNumber) {
    EXPECT_EQ(lockOwner("      1234\n"), 1234);
    EXPECT_EQ(lockOwner("1234\nqtapp\nhost\n"), 1234);
    EXPECT_EQ(lockOwner("0\n"), std::nullopt);
    EXPECT_EQ(lockOwner("12ab\n"), std::nullopt);
    EXPECT_EQ(lockOwner(std::string("\xd2\x04\x00\x00", 4)), std::nullopt);
}

}  // namespace
}  // namespace vq72::cli
