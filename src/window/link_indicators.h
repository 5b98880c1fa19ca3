// SPDX-License-Identifier: MIT
// The controls that show the state of the link to the device: the port box, the status line,
// the logo upload menu entry and the window caption. Port discovery, the command channel, the
// reply reader and the link supervision share them.
#pragma once

#include "window/control.h"
#include "window/window_frame.h"

namespace vq72 {

struct LinkIndicators {
    Control& txtCom;
    Control& lbl_txt_status;
    Control& mnuUpLoadLogo;
    WindowFrame& frame;  // for the caption
};

}  // namespace vq72
