// SPDX-License-Identifier: MIT
#include "window/main_window_layout.h"

#include <stdexcept>

namespace vq72 {
namespace {

const FontSpec kEntryFont{"MS Sans Serif", 12, false, false};
const FontSpec kPortFont{"MS Sans Serif", 12, true, false};
const FontSpec kStatusFont{"MS Sans Serif", 13.5, false, false};

ControlSpec label(std::string name, int index, std::string container, Rect r, std::string text,
                  TextAlign align = TextAlign::Left) {
    ControlSpec s;
    s.name = std::move(name);
    s.index = index;
    s.kind = ControlKind::Label;
    s.container = std::move(container);
    s.geometry = r;
    s.text = std::move(text);
    s.align = align;
    s.transparent = true;
    return s;
}

ControlSpec control(ControlKind kind, std::string name, int index, std::string container, Rect r,
                    std::string text, int tab) {
    ControlSpec s;
    s.name = std::move(name);
    s.index = index;
    s.kind = kind;
    s.container = std::move(container);
    s.geometry = r;
    s.text = std::move(text);
    s.tabIndex = tab;
    return s;
}

ControlSpec button(int index, Rect r, std::string caption, Colour back, int tab) {
    ControlSpec s =
        control(ControlKind::CommandButton, "cmd_button", index, "", r, std::move(caption), tab);
    s.backColour = back;
    s.hasBackColour = true;
    s.font = kStatusFont;
    return s;
}

std::vector<ControlSpec> buildLayout() {
    std::vector<ControlSpec> l;
    l.push_back(label("Label2", 0, "", {40, 8, 58, 13}, "Display Text"));
    l.push_back(label("lbl_text_header", -1, "", {243, 8, 94, 13}, " 20 Characters max ",
                      TextAlign::Right));

    ControlSpec text =
        control(ControlKind::TextBox, "Text_input", -1, "", {32, 24, 313, 28}, "", 1);
    text.maxLength = 20;
    text.align = TextAlign::Centre;
    text.font = kEntryFont;
    l.push_back(text);

    l.push_back(label("lbl_not_legal", -1, "", {37, 56, 226, 13},
                      "All standard ASCII characters except { } | ~"));
    l.push_back(label("Label2", 2, "", {280, 56, 42, 13}, "count", TextAlign::Right));
    l.push_back(label("lbl_count", -1, "", {312, 56, 25, 17}, "00", TextAlign::Right));

    l.push_back(control(ControlKind::Frame, "Frame2", -1, "", {32, 72, 313, 105}, "", 19));
    l.push_back(
        label("Label2", 1, "Frame2", {0, 8, 281, 17}, "Display Location", TextAlign::Centre));
    const char* locations[] = {"Top Left",    "Top Center",    "Top Right",
                               "Middle Left", "Middle Center", "Middle Right",
                               "Botton Left", "Bottom Center", "Bottom Right"};
    const int columnLeft[] = {16, 104, 208};
    const int columnWidth[] = {81, 97, 89};
    for (int i = 0; i < 9; ++i) {
        const int column = i % 3;
        l.push_back(control(ControlKind::OptionButton, "opt_location", i, "Frame2",
                            {columnLeft[column], 24 + 24 * (i / 3), columnWidth[column], 25},
                            locations[i], 20 + i));
    }

    l.push_back(control(ControlKind::Frame, "Frame1", -1, "", {32, 176, 313, 41}, "", 16));
    l.push_back(control(ControlKind::OptionButton, "opt_BK_WT", 0, "Frame1", {40, 16, 97, 17},
                        "White on Black", 18));
    l.push_back(control(ControlKind::OptionButton, "opt_BK_WT", 1, "Frame1", {160, 16, 97, 17},
                        "Black on White", 17));

    l.push_back(label("Label1", -1, "", {40, 216, 25, 17}, "Com"));
    l.push_back(label("lbl_status_header", -1, "", {96, 216, 225, 17}, "Status"));

    ControlSpec port = control(ControlKind::TextBox, "txtCom", -1, "", {40, 232, 29, 28}, "99", 8);
    port.align = TextAlign::Centre;
    port.font = kPortFont;
    l.push_back(port);

    ControlSpec status =
        label("lbl_txt_status", -1, "", {96, 232, 233, 28}, "Status", TextAlign::Centre);
    status.transparent = false;
    status.border = true;
    status.hasBackColour = true;
    status.backColour = kSystemWindowColour;
    status.font = kStatusFont;
    l.push_back(status);

    l.push_back(button(0, {40, 272, 81, 41}, "SAVE", kGreen, 4));
    l.push_back(button(2, {144, 272, 81, 41}, "BLANK", kYellow, 3));
    l.push_back(button(1, {248, 272, 81, 41}, "EXIT", kLightBlue, 2));

    ControlSpec panel = control(ControlKind::Frame, "frameError", -1, "", {72, 344, 219, 119},
                                "Error of Some Sort", 0);
    panel.visible = false;
    l.push_back(panel);
    ControlSpec message = label("lblErrMsg", -1, "frameError", {8, 16, 199, 65}, "lblErrMsg");
    message.foreColour = kBlue;
    message.hasForeColour = true;
    l.push_back(message);
    l.push_back(control(ControlKind::CommandButton, "cmdErrOK", -1, "frameError", {78, 88, 61, 25},
                        "OK", 5));
    return l;
}

ControlSpec menu(std::string name, std::string container, std::string caption, bool shown = true,
                 int index = -1) {
    ControlSpec s;
    s.name = std::move(name);
    s.index = index;
    s.kind = container.empty() ? ControlKind::Menu : ControlKind::MenuEntry;
    s.container = std::move(container);
    s.text = std::move(caption);
    s.visible = shown;
    s.enabled = shown;
    return s;
}

std::vector<ControlSpec> buildMenus() {
    std::vector<ControlSpec> m;
    m.push_back(menu("mnuFile", "", "&File"));
    m.push_back(menu("mnuDownloadLogotoRam", "mnuFile", "Send Logo to ZOVK", false));
    m.push_back(menu("mnuUpLoadLogo", "mnuFile", "Get Logo From ZOVK", false));
    m.push_back(menu("mnuExit", "mnuFile", "E&xit"));
    m.push_back(menu("mnuCOM", "", "&Com"));
    for (int i = 1; i <= 12; ++i) {
        ControlSpec entry = menu("mnuCOMsel", "mnuCOM",
                                 std::string("COM&") + static_cast<char>('A' + i - 1), false, i);
        entry.enabled = true;
        m.push_back(entry);
    }
    m.push_back(menu("mnuHelp", "", "&Help"));
    m.push_back(menu("mnuManual", "mnuHelp", "&Manual"));
    m.push_back(menu("mnuAbout", "mnuHelp", "&About"));
    m.push_back(menu("mnuCopyright", "mnuHelp", "Copyright", false));
    return m;
}

}  // namespace

const std::vector<ControlSpec>& mainWindowLayout() {
    static const std::vector<ControlSpec> layout = buildLayout();
    return layout;
}

const std::vector<ControlSpec>& mainWindowMenus() {
    static const std::vector<ControlSpec> menus = buildMenus();
    return menus;
}

const ControlSpec& mainWindowSpec(const std::string& name, int index) {
    for (const auto* table : {&mainWindowLayout(), &mainWindowMenus()}) {
        for (const ControlSpec& spec : *table) {
            if (spec.name == name && spec.index == index) return spec;
        }
    }
    throw std::out_of_range("no control " + name + " in the main window layout");
}

}  // namespace vq72
