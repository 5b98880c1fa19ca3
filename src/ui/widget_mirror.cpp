// SPDX-License-Identifier: MIT
#include "ui/widget_mirror.h"

#include <QString>

namespace vq72 {

bool mirrorCommonProperty(QWidget* widget, const Control& control, ControlProperty property) {
    switch (property) {
        case ControlProperty::Visible:
            widget->setVisible(control.visible());
            return true;
        case ControlProperty::Enabled:
            widget->setEnabled(control.enabled());
            return true;
        case ControlProperty::ToolTip:
            widget->setToolTip(QString::fromStdString(control.toolTip()));
            return true;
        default:
            return false;
    }
}

}  // namespace vq72
