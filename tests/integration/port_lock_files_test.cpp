// SPDX-License-Identifier: MIT
// The ports' lock files on the real file system, in a lock folder of the test's own: everything
// that can sit at a lock path, looked at and taken over the way the serial control does it.
// A live lock is never removed or rewritten, nothing at a lock path is followed, and whatever
// keeps the port is named. Also the window's trace file, which no other user may read.
#include "platform/posix/port_lock_files.h"
#include "platform/posix/trace_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "support/lock_scene.h"
#include "support/scratch_folder.h"

namespace vq72::posix {
namespace {

using test::Planted;
using State = PortLock::State;

// The port's device is /dev/null; "port" in the test's folder is a link to it.
constexpr const char* kDevice = "/dev/null";

TEST(PortLockScenes, TakeOverNeverHarmsALiveLockAndNamesWhatKeepsThePort) {
    const struct {
        const char* name;
        Planted planted;
        bool namedAfterLink;  // the lock carries the link's name, not the device's
        State state;          // what the take-over finds
        std::string what;     // Odd: what it names; Held: the holder's program
    } scenes[] = {
        {"ASCII lock of a live process", Planted::AsciiLock, false, State::Held, "sleep"},
        {"binary lock of a live process", Planted::BinaryLock, false, State::Held, "sleep"},
        {"Qt lock naming another program", Planted::QtLock, false, State::Held, "sleep"},
        {"stale lock is removed", Planted::StaleLock, false, State::Free, ""},
        {"lock named after the link", Planted::AsciiLock, true, State::Held, "sleep"},
        {"link to /dev/zero", Planted::LinkToDevZero, false, State::Odd, "a symbolic link"}};
    const test::LockHolder holder;
    for (const auto& s : scenes) {
        SCOPED_TRACE(s.name);
        const test::ScratchFolder scratch;
        const std::string folder = scratch.path();
        const std::string link = scratch.path("port");
        ASSERT_EQ(::symlink(kDevice, link.c_str()), 0);
        const std::string lockPath =
            folder + "/" + lockFileName(s.namedAfterLink ? link : std::string(kDevice));
        test::plant(lockPath, s.planted, holder.pid());
        const std::string before = test::snapshot(lockPath);

        // Through the link and through the device itself alike, but for a lock named after the
        // link, which only that name can find.
        std::vector<std::string> paths{link};
        if (!s.namedAfterLink) paths.push_back(kDevice);
        for (const std::string& path : paths) {
            SCOPED_TRACE(path);
            const PortLock lock = clearStalePortLocks(folder, path);
            EXPECT_EQ(lock.state, s.state);
            if (s.state == State::Free) {
                EXPECT_EQ(test::snapshot(lockPath), "nothing");
                continue;
            }
            EXPECT_EQ(lock.path, lockPath);
            if (s.state == State::Held) {
                EXPECT_EQ(lock.pid, holder.pid());
                EXPECT_EQ(lock.program, s.what);
            } else {
                EXPECT_EQ(lock.what, s.what);
            }
            EXPECT_EQ(OwnLockFile::create(lockPath), nullptr)
                << "took a lock path that is not free";
            EXPECT_EQ(test::snapshot(lockPath), before);
        }
    }
}

// Created private and appended to; refused, naming the path, when others may read it, when it
// is a link or when it is no plain file.
TEST(TraceFile, IsPrivateAppendedToAndNeverFollowedOrShared) {
    namespace fs = std::filesystem;
    const test::ScratchFolder scratch;
    const std::string path = scratch.path("trace");
    for (const char* line : {"a", "b"}) TraceFile(path).write(line);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}),
              "a\nb\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(path, scratch.path("link"));
    const std::string cannot = "cannot write the trace to ";
    EXPECT_EQ(TraceFile(scratch.path("link")).error(),
              cannot + scratch.path("link") + ": " + std::strerror(ELOOP));
    EXPECT_EQ(TraceFile("/dev/null").error(), cannot + "/dev/null: not a plain file");
    fs::permissions(path, fs::perms::group_read, fs::perm_options::add);
    EXPECT_EQ(TraceFile(path).error(),
              cannot + path + ": other users may read it (chmod 600 it, or name a new file)");
}

}  // namespace
}  // namespace vq72::posix
