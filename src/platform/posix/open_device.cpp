// SPDX-License-Identifier: MIT
#include "platform/posix/open_device.h"

#include <sys/stat.h>

namespace vq72::posix {

bool isDeviceAt(int fd, const std::string& devicePath) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(devicePath.c_str(), &named) == 0 &&
           S_ISCHR(opened.st_mode) && S_ISCHR(named.st_mode) && opened.st_rdev == named.st_rdev;
}

}  // namespace vq72::posix
