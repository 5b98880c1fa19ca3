// SPDX-License-Identifier: MIT
// The program's icon, which its windows show (the desktop entry installs the same picture).
#pragma once

#include <QIcon>

namespace vq72 {

QIcon programIcon();

}  // namespace vq72
