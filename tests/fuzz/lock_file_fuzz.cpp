// Puts arbitrary bytes at a port's lock path and reads them the way the serial control and the
// port listing do. Besides the sanitizers it checks that the verdict matches the contents: a
// process number only from a short file that holds one, anything else odd, and the file left
// as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/port_lock.h"
#include "platform/posix/port_lock_files.h"
#include "support/scratch_folder.h"

namespace {

// No such device exists, so only the lock named after this path is looked at.
constexpr const char* kDevice = "/dev/vq72-fuzz-port";

void check(bool condition) {
    if (!condition) std::abort();
}

// A folder of the run's own, removed when the run ends.
const std::string& lockFolder() {
    static const vq72::test::ScratchFolder folder;
    check(folder.valid());
    return folder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const std::string lockPath = lockFolder() + "/" + vq72::lockFileName(kDevice);
    {
        std::ofstream file(lockPath, std::ios::binary | std::ios::trunc);
        file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
    const std::optional<long> owner = vq72::lockFileOwner(contents);
    check(!owner || *owner > 0);

    const vq72::PortLock lock = vq72::posix::clearStalePortLocks(lockFolder(), kDevice);
    const bool namesAProcess = owner && size <= vq72::kLongestLockFile;
    switch (lock.state) {
        case vq72::PortLock::State::Free:  // a stale lock, taken over
            check(namesAProcess && ::access(lockPath.c_str(), F_OK) != 0);
            break;
        case vq72::PortLock::State::Held:
            check(namesAProcess && lock.pid == *owner && lock.path == lockPath);
            break;
        case vq72::PortLock::State::Stale:  // could not be removed: never in a folder of ours
            check(false);
            break;
        case vq72::PortLock::State::Odd:
            check(!namesAProcess && !lock.what.empty() && lock.path == lockPath);
            break;
    }
    if (lock.state != vq72::PortLock::State::Free) {
        struct stat status {};
        check(::stat(lockPath.c_str(), &status) == 0 &&
              static_cast<std::size_t>(status.st_size) == size);
    }
    return 0;
}
