// SPDX-License-Identifier: MIT
// The control properties that every view mirrors into its widget the same way.
#pragma once

#include <QWidget>

#include "window/control.h"

namespace vq72 {

// Applies Visible, Enabled or ToolTip; returns false for any other property, which the view
// mirrors itself.
bool mirrorCommonProperty(QWidget* widget, const Control& control, ControlProperty property);

}  // namespace vq72
