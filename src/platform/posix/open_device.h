// SPDX-License-Identifier: MIT
// Whether a serial device that stays open across a close and reopen can serve the reopen.
#pragma once

#include <string>

namespace vq72::posix {

// True when `fd` is open on the device that `devicePath` names now: the same device number (a
// USB adapter unplugged and plugged in again, or a link pointed elsewhere, names another).
bool isDeviceAt(int fd, const std::string& devicePath);

}  // namespace vq72::posix
