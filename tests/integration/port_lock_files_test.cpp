// The ports' lock files on the real file system, in a lock folder of the test's own: everything
// that can sit at a lock path, looked at and taken over the way the serial control does it.
// A live lock is never removed or rewritten, nothing at a lock path is followed or waited for,
// and whatever keeps the port is named.
#include "platform/posix/port_lock_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

#include "support/lock_scene.h"
#include "support/scratch_folder.h"

namespace vq72::posix {
namespace {

using test::Planted;
using State = PortLock::State;

// The port's device is /dev/null; "port" in the test's folder is a link to it.
constexpr const char* kDevice = "/dev/null";

struct Scene {
    const char* name;
    std::optional<Planted> planted;  // nothing at the lock path without one
    bool namedAfterLink;             // the lock carries the link's name instead of the device's
    State state;                     // what the take-over finds
    std::string what;                // Odd: what it names; Held: the holder's program
};

class PortLockScenes : public testing::TestWithParam<Scene> {
protected:
    void SetUp() override { ASSERT_EQ(::symlink(kDevice, link_.c_str()), 0); }

    test::ScratchFolder scratch_;
    std::string folder_ = scratch_.path();
    std::string link_ = scratch_.path("port");
    test::LockHolder holder_;
};

TEST_P(PortLockScenes, TakeOverNeverHarmsALiveLockAndNamesWhatKeepsThePort) {
    const Scene& s = GetParam();
    const std::string lockPath =
        folder_ + "/" + lockFileName(s.namedAfterLink ? link_ : std::string(kDevice));
    if (s.planted) test::plant(lockPath, *s.planted, holder_.pid());
    const std::string before = test::snapshot(lockPath);

    // Through the link and through the device itself alike, but for a lock named after the link,
    // which only that name can find.
    std::vector<std::string> paths{link_};
    if (!s.namedAfterLink) paths.push_back(kDevice);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const PortLock lock = clearStalePortLocks(folder_, path);
        EXPECT_EQ(lock.state, s.state);
        if (s.state == State::Free) {
            EXPECT_EQ(test::snapshot(lockPath), "nothing");
            continue;
        }
        EXPECT_EQ(lock.path, lockPath);
        if (s.state == State::Held) {
            EXPECT_EQ(lock.pid, holder_.pid());
            EXPECT_EQ(lock.program, s.what);
        } else {
            EXPECT_EQ(lock.what, s.what);
        }
        EXPECT_EQ(OwnLockFile::create(lockPath), nullptr) << "took a lock path that is not free";
        EXPECT_EQ(test::snapshot(lockPath), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AtTheLockPath, PortLockScenes,
    testing::Values(
        Scene{"Nothing", std::nullopt, false, State::Free, ""},
        Scene{"AsciiLockOfALiveProcess", Planted::AsciiLock, false, State::Held, "sleep"},
        Scene{"BinaryLockOfALiveProcess", Planted::BinaryLock, false, State::Held, "sleep"},
        Scene{"QtLockOfALiveProcessWithAnotherName", Planted::QtLock, false, State::Held, "sleep"},
        Scene{"StaleLockIsRemoved", Planted::StaleLock, false, State::Free, ""},
        Scene{"LockNamedAfterTheLink", Planted::AsciiLock, true, State::Held, "sleep"},
        Scene{"LinkToDevZero", Planted::LinkToDevZero, false, State::Odd, "a symbolic link"},
        Scene{"Fifo", Planted::Fifo, false, State::Odd, "a FIFO"},
        Scene{"Directory", Planted::Directory, false, State::Odd, "a directory"},
        Scene{"MegabyteFile", Planted::MegabyteFile, false, State::Odd, "a file of 1048576 bytes"}),
    [](const testing::TestParamInfo<Scene>& info) { return std::string(info.param.name); });

TEST(OwnLockFileTest, HoldsThePortUnderTheDevicesNameUntilReleased) {
    const test::ScratchFolder scratch;
    const std::string folder = scratch.path();
    const std::string link = scratch.path("port");
    ASSERT_EQ(::symlink(kDevice, link.c_str()), 0);
    const std::string lockPath = folder + "/" + lockFileName(kDevice);
    {
        const auto own = OwnLockFile::create(lockPath);
        ASSERT_NE(own, nullptr);
        const PortLock seen = inspectPortLock(folder, link);
        EXPECT_EQ(seen.state, State::Held);
        EXPECT_EQ(seen.pid, ::getpid());
        EXPECT_EQ(OwnLockFile::create(lockPath), nullptr);
    }
    EXPECT_EQ(test::snapshot(lockPath), "nothing");
}

}  // namespace
}  // namespace vq72::posix
