#include "cli/send_outcome.h"

#include "platform/serial_control.h"
#include "serial/port_messages.h"

namespace vq72::cli {

std::string noReplyMessage(const SendTarget& target, const std::string& timeoutText) {
    return "No reply from the device on " + target.label() + " within " + timeoutText + " s";
}

std::string portLostMessage(const SendTarget& target) {
    return "Lost " + target.label() + " before the device replied";
}

std::string unusablePortMessage(const SendTarget& target, const Failure& failure) {
    if (target.numbered) {
        if (failure.number() == comm_error::kNoSuchPort) {
            return invalidPortMessage(target.port) + "\n" + failure.description();
        }
        if (failure.number() == comm_error::kPortInUse) {
            return portInUseMessage(target.port) + "\n" + failure.description();
        }
    }
    return failure.description();
}

}  // namespace vq72::cli
