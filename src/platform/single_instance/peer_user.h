// SPDX-License-Identifier: MIT
// Who is at the far end of a connected local socket, as the kernel recorded it (SO_PEERCRED):
// the user a listener ran as when it began listening, or a client when it connected.
#pragma once

#include <QtGlobal>
#include <optional>

#include <sys/types.h>

namespace vq72 {

// The peer's user id; nothing when the descriptor is not a connected local socket.
std::optional<uid_t> peerUser(qintptr descriptor);

}  // namespace vq72
