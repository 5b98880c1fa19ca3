// Keeps a one-line label's text inside its designed box: when the installed substitute font
// is wider than the designed one, the text is condensed (same point size, narrower glyphs)
// rather than cut off.
#pragma once

#include <QLabel>

namespace vq72 {

void fitToWidth(QLabel* label);

}  // namespace vq72
