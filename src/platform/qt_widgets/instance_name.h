// Where the instances of one user meet: a local server named after the program's title.
#pragma once

#include <QString>

namespace vq72 {

// The per-user server name for a title: in $XDG_RUNTIME_DIR when set and short enough for a
// socket path, else tagged with the user's id (in the temporary folder).
QString instanceServerName(const QString& title);

// False when no server can be listening as `serverName`: on Unix its socket file is missing.
bool instanceMayBeListening(const QString& serverName);

}  // namespace vq72
