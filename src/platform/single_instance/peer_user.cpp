// SPDX-License-Identifier: MIT
#include "platform/single_instance/peer_user.h"

#include <sys/socket.h>

namespace vq72 {

std::optional<uid_t> peerUser(qintptr descriptor) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
        0) {
        return std::nullopt;
    }
    return credentials.uid;
}

}  // namespace vq72
