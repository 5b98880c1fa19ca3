// SPDX-License-Identifier: MIT
#include "cli/send_outcome.h"

#include "cli/terminal_text.h"
#include "device/port_messages.h"
#include "platform/failure_numbers.h"
#include "platform/serial_control.h"

namespace vq72::cli {

std::string noReplyMessage(const SendTarget& target, const std::string& timeoutText) {
    return "No reply from the device on " + printable(target.label()) + " within " + timeoutText +
           " s";
}

std::string portLostMessage(const SendTarget& target) {
    return "Lost " + printable(target.label()) + " before the device replied";
}

std::string unusablePortMessage(const SendTarget& target, const Failure& failure) {
    const std::string detail = printable(failure.description());
    if (target.numbered) {
        if (failure.number() == failure_number::kNoSuchPort) {
            return invalidPortMessage(target.port) + "\n" + detail;
        }
        if (failure.number() == failure_number::kPortInUse) {
            return portInUseMessage(target.port) + "\n" + detail;
        }
    }
    return detail;
}

}  // namespace vq72::cli
