// SPDX-License-Identifier: MIT
#include "platform/qt/open_failure.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "device/port_messages.h"
#include "platform/failure_numbers.h"
#include "platform/serial_control.h"

namespace vq72 {
namespace {

// Errors of open() that mean there is no working serial port behind the node (a ttyS node
// without a UART answers EIO, for instance).
bool meansNoDevice(int error) {
    return error == ENOENT || error == ENOTDIR || error == ENXIO || error == ENODEV ||
           error == EIO || error == ENOTTY;
}

bool meansDenied(int error) {
    return error == EACCES || error == EPERM || error == EBUSY;
}

}  // namespace

std::optional<Failure> unusablePortFailure(int port, const std::string& path) {
    if (path.empty()) {
        return Failure(failure_number::kNoSuchPort,
                       "COM" + std::to_string(port) +
                           " has no device: give it one in VQ72_OSD_PORTS or the \"Ports\" "
                           "settings.");
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        const int error = errno;
        if (meansNoDevice(error)) {
            return Failure(failure_number::kNoSuchPort,
                           path + " does not exist; is the serial adapter plugged in?");
        }
        if (error == ENAMETOOLONG || error == ELOOP) {
            return Failure(failure_number::kNoSuchPort,
                           path + " can name no device: " + std::strerror(error) + ".");
        }
        return std::nullopt;  // the open attempt will say what is wrong
    }
    if (!S_ISCHR(status.st_mode)) {
        return Failure(failure_number::kNoSuchPort, path + " is not a serial port.");
    }
    return std::nullopt;
}

Failure openFailure(const OpenAttempt& attempt) {
    const std::string& path = attempt.path;
    const std::string text =
        attempt.platformText.empty() ? std::strerror(attempt.systemError) : attempt.platformText;
    // The serial layer's own verdict first: the system error may come from its lock file.
    const bool denied = attempt.deniedBySerialLayer ||
                        (!attempt.notFoundBySerialLayer && meansDenied(attempt.systemError));
    if (denied) {
        if (attempt.accessible) {
            return Failure(failure_number::kPortInUse, path + " is in use by another program.");
        }
        return Failure(failure_number::kSystemErrorBase + EACCES,
                       "Permission denied on " + path + " (" + kDialoutHint + ")");
    }
    if (attempt.notFoundBySerialLayer || meansNoDevice(attempt.systemError)) {
        return Failure(failure_number::kNoSuchPort,
                       path + " is not a usable serial port (" + text + ").");
    }
    return Failure(failure_number::kSystemErrorBase + attempt.systemError,
                   "Cannot open " + path + ": " + text + ".");
}

}  // namespace vq72
