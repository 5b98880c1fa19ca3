// SPDX-License-Identifier: MIT
// One control of a window as plain data: what the designer fixed (ControlSpec) and what code
// changes at run time, with a notification to the window's observer on every change.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "device/text_align.h"

namespace vq72 {

using Colour = std::uint32_t;  // 0x00BBGGRR
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kGreen = 0x0000FF00;
inline constexpr Colour kMagenta = 0x00FF00FF;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kYellow = 0x0000FFFF;
inline constexpr Colour kLightBlue = 0x00FF8080;
// Stands for "the platform's window colour" (system colour 11).
inline constexpr Colour kSystemWindowColour = 0x8000000B;

enum class ControlKind {
    Label,
    TextBox,
    Frame,
    OptionButton,
    CommandButton,
    Picture,
    Menu,
    MenuEntry
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct FontSpec {
    std::string family;  // empty: the system default
    double points = 0;
    bool bold = false;
    bool underline = false;
};

struct ControlSpec {
    std::string name;
    int index = -1;  // position in its control array, -1 when it is not in one
    ControlKind kind = ControlKind::Label;
    std::string container;  // empty: the window itself
    Rect geometry;
    std::string text;
    TextAlign align = TextAlign::Left;
    bool transparent = false;
    bool border = false;
    bool visible = true;
    Colour backColour = kSystemWindowColour;
    Colour foreColour = 0;
    bool hasBackColour = false;
    bool hasForeColour = false;
    FontSpec font;
    int tabIndex = -1;  // -1: takes no focus
    int maxLength = 0;  // text boxes; 0 = no limit
    bool enabled = true;
};

enum class ControlProperty {
    Text,
    BackColour,
    Visible,
    Enabled,
    Value,
    Alignment,
    Geometry,
    Tag,
    ToolTip
};

class Control {
public:
    using Observer = std::function<void(const Control&, ControlProperty)>;

    explicit Control(ControlSpec spec);

    const ControlSpec& spec() const { return spec_; }
    const std::string& name() const { return spec_.name; }
    int index() const { return spec_.index; }

    // Caption of labels, frames and buttons; text of text boxes.
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Option buttons: selected; menu entries: checked.
    bool value() const { return value_; }
    void setValue(bool value);
    TextAlign alignment() const { return alignment_; }
    void setAlignment(TextAlign align);
    const Rect& geometry() const { return geometry_; }
    void move(const Rect& geometry);
    const std::string& tag() const { return tag_; }
    void setTag(const std::string& tag);
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& toolTip);

    // Text boxes: the selection as the view last reported it.
    int selectionLength() const { return selectionLength_; }
    void setSelectionLength(int length) { selectionLength_ = length; }

    void setObserver(Observer observer) { observer_ = std::move(observer); }

private:
    template <typename T>
    void assign(T& field, const T& value, ControlProperty property) {
        if (field == value) return;
        field = value;
        if (observer_) observer_(*this, property);
    }

    ControlSpec spec_;
    std::string text_;
    Colour backColour_;
    bool visible_;
    bool enabled_;
    bool value_ = false;
    TextAlign alignment_;
    Rect geometry_;
    std::string tag_;
    std::string toolTip_;
    int selectionLength_ = 0;
    Observer observer_;
};

}  // namespace vq72
