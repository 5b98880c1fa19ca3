// SPDX-License-Identifier: MIT
#include "ui/program_icon.h"

// The icon is a resource of a static library: the linker keeps it only when code refers to it.
static void initProgramIcon() {
    Q_INIT_RESOURCE(resources);
}

namespace vq72 {

QIcon programIcon() {
    initProgramIcon();
    return QIcon(QStringLiteral(":/vq72/vq72-osd.png"));
}

}  // namespace vq72
