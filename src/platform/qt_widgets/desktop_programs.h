// SPDX-License-Identifier: MIT
// Whether the desktop names a program for a file's type. xdg-open, which opens a file, may run
// that program to its end before it answers (and then for the program, not the lookup), so the
// choice is asked beforehand, of xdg-mime: an empty answer or a failure means there is none.
#pragma once

#include <QString>

namespace vq72 {

// False only when xdg-mime says there is no program; without xdg-mime (or when it gives no answer
// within a short wait) true, and the opener is left to find out.
bool desktopNamesProgramFor(const QString& path);

}  // namespace vq72
