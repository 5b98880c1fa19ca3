// SPDX-License-Identifier: MIT
#include "about/about_layout.h"

#include "about/about_contacts.h"

namespace vq72::about {
namespace {

constexpr Colour kVersionBlue = 0x00FF4010;
constexpr Colour kCreditsGrey = 0x00808080;
constexpr Colour kFrameGrey = 0x00C0C0C0;
constexpr Colour kFrameText = 0x00800000;

const FontSpec kSwissBold{"Swis721 BT", 12, true, false};

ControlSpec spec(ControlKind kind, const char* name, const char* container, Rect geometry,
                 const char* text) {
    ControlSpec s;
    s.kind = kind;
    s.name = name;
    s.container = container;
    s.geometry = geometry;
    s.text = text;
    return s;
}

ControlSpec label(const char* name, Rect geometry, const char* text, FontSpec font, Colour fore) {
    ControlSpec s = spec(ControlKind::Label, name, "Frame1", geometry, text);
    s.font = std::move(font);
    s.foreColour = fore;
    s.hasForeColour = true;
    return s;
}

std::vector<ControlSpec> build() {
    std::vector<ControlSpec> l;

    ControlSpec version = label("txt_version", {555, 1440, 4245, 495}, "txt_version",
                                {"Verdana", 11.25, true, false}, kVersionBlue);
    version.transparent = true;
    l.push_back(version);

    ControlSpec credits = label("lblPendric", {3960, 2640, 2955, 1320}, "lblPendric",
                                {"MS Sans Serif", 8.25, true, false}, kCreditsGrey);
    credits.transparent = true;
    credits.align = TextAlign::Centre;
    credits.visible = false;
    l.push_back(credits);

    l.push_back(spec(ControlKind::Picture, "img_fuzzy", "Frame1", {0, 0, 7050, 3915}, ""));
    l.push_back(spec(ControlKind::Picture, "imgLogo", "Frame1", {0, 0, 7050, 3915}, ""));
    l.push_back(label("lblVersion", {480, 1440, 2460, 285}, "Version x.x.x", kSwissBold, kBlue));
    l.push_back(label("VQ", {480, 1080, 3450, 375}, "VQ-72XX OSD LOADER",
                      {"Swis721 BT", 15.75, true, false}, kBlue));

    ControlSpec product = spec(ControlKind::Label, "lblCompanyProduct", "Frame1",
                               {120, 2160, 6630, 285}, "lblCompanyProduct");
    product.visible = false;
    l.push_back(product);

    ControlSpec email = label("lblemail", {2400, 3120, 4455, 375}, kMakerEmail, kSwissBold, kBlue);
    email.visible = false;
    email.align = TextAlign::Right;
    l.push_back(email);

    l.push_back(label("lbl_phone", {480, 3120, 3015, 375}, kMakerPhone, kSwissBold, kBlue));
    l.push_back(
        label("lblurl", {480, 3360, 4140, 375}, kMakerWeb, {"Swis721 BT", 12, true, true}, kBlue));

    ControlSpec frame =
        spec(ControlKind::Frame, "Frame1", "", {120, 120, 7005, 3975}, "Veltrix Products");
    frame.backColour = kFrameGrey;
    frame.hasBackColour = true;
    frame.foreColour = kFrameText;
    frame.hasForeColour = true;
    frame.font = {"MS Sans Serif", 12, false, false};
    l.push_back(frame);

    l.push_back(spec(ControlKind::Label, "Label1", "", {2880, 1680, 1215, 495}, "Label1"));
    return l;
}

}  // namespace

const std::vector<ControlSpec>& aboutWindowLayout() {
    static const std::vector<ControlSpec> layout = build();
    return layout;
}

}  // namespace vq72::about
