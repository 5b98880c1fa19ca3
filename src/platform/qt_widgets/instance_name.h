// SPDX-License-Identifier: MIT
// Where the instances of one user meet: a local server named after the program's title, in a
// folder that only that user can enter.
#pragma once

#include <QString>

namespace vq72 {

struct InstancePlace {
    QString serverName;  // the socket's path; empty when there is no safe folder for it
    QString problem;     // why there is none, in the program's words
};

// `runtimeFolder` ($XDG_RUNTIME_DIR) when it is the user's own folder with mode 0700 and short
// enough for a socket path; else the folder vq72-osd-<uid> in `sharedParent`, made with mode
// 0700 when missing and used only when it is the user's own folder with mode 0700 (not a link).
InstancePlace instancePlace(const QString& title, const QString& runtimeFolder,
                            const QString& sharedParent = QStringLiteral("/tmp"));

}  // namespace vq72
