// SPDX-License-Identifier: MIT
#include "window/control.h"

namespace vq72 {

Control::Control(ControlSpec spec)
    : spec_(std::move(spec)),
      text_(spec_.text),
      backColour_(spec_.backColour),
      visible_(spec_.visible),
      enabled_(spec_.enabled),
      alignment_(spec_.align),
      geometry_(spec_.geometry) {}

void Control::setText(const std::string& text) {
    std::string limited = text;
    if (spec_.maxLength > 0 && static_cast<int>(limited.size()) > spec_.maxLength) {
        limited.resize(static_cast<std::size_t>(spec_.maxLength));
    }
    assign(text_, limited, ControlProperty::Text);
}

void Control::setBackColour(Colour colour) {
    assign(backColour_, colour, ControlProperty::BackColour);
}
void Control::setVisible(bool visible) {
    assign(visible_, visible, ControlProperty::Visible);
}
void Control::setEnabled(bool enabled) {
    assign(enabled_, enabled, ControlProperty::Enabled);
}
void Control::setValue(bool value) {
    assign(value_, value, ControlProperty::Value);
}
void Control::setAlignment(TextAlign align) {
    assign(alignment_, align, ControlProperty::Alignment);
}
void Control::move(const Rect& geometry) {
    assign(geometry_, geometry, ControlProperty::Geometry);
}
void Control::setTag(const std::string& tag) {
    assign(tag_, tag, ControlProperty::Tag);
}
void Control::setToolTip(const std::string& toolTip) {
    assign(toolTip_, toolTip, ControlProperty::ToolTip);
}

}  // namespace vq72
