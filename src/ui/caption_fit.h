// SPDX-License-Identifier: MIT
// Keeps a one-line caption inside its designed box: when the installed substitute font is wider
// than the designed one, the caption is condensed (same point size, narrower glyphs) rather
// than cut off. Labels and buttons; a label that wraps its text keeps its font.
#pragma once

#include <QWidget>

namespace vq72 {

void fitCaption(QWidget* widget);

}  // namespace vq72
