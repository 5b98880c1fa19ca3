// SPDX-License-Identifier: MIT
// How a text sits in its field: the alignment codes of the window's text boxes and of the OSD
// text field.
#pragma once

namespace vq72 {

enum class TextAlign { Left = 0, Right = 1, Centre = 2 };

}  // namespace vq72
