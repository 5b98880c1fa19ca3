// SPDX-License-Identifier: MIT
// The main window's own properties that procedures change: its caption, the mouse pointer, its
// outer size and whether it accepts drops. The main window model implements it; procedures that
// touch the window as a whole get this instead of the whole model.
#pragma once

#include <string>

namespace vq72 {

enum class MousePointer { Default, Busy };

class WindowFrame {
public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    virtual void setOuterHeightTwips(int twips) = 0;
    virtual void setOuterWidthTwips(int twips) = 0;
    virtual void setAcceptsDrops(bool accepts) = 0;

protected:
    ~WindowFrame() = default;
};

}  // namespace vq72
