// SPDX-License-Identifier: MIT
#include "ui/display_check.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <string_view>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <xcb/xcb.h>

#include "platform/posix/standard_error_capture.h"
#endif

namespace vq72 {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Qt draws through X when QT_QPA_PLATFORM names xcb first, or names nothing outside a Wayland
// session; Wayland, offscreen and the other platforms need no X server.
bool drawsThroughX() {
    const std::string_view platform = variable("QT_QPA_PLATFORM");
    if (!platform.empty()) return platform.starts_with("xcb");
    return variable("WAYLAND_DISPLAY").empty();
}

// Why the X server that DISPLAY names takes no connection from this user: its own words when
// it gave some (libxcb writes them to standard error), else that none answers; empty when it
// takes one.
std::string xServerRefusal() {
    bool answers = false;
    std::string words = posix::capturingStandardError([&answers] {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        answers = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
    });
    if (answers) return {};
    std::replace(words.begin(), words.end(), '\n', ' ');
    words.erase(words.find_last_not_of(' ') + 1);
    return words.empty() ? "no X server answers there" : "the X server says: " + words;
}

}  // namespace

std::string missingDisplayMessage(const std::string& program,
                                  const std::vector<std::string>& arguments) {
    // Qt's own -platform and -display options choose the display: Qt speaks for itself then.
    for (const char* qtOption : {"-platform", "-display"}) {
        if (std::find(arguments.begin(), arguments.end(), qtOption) != arguments.end()) return {};
    }
    if (!drawsThroughX()) return {};
    const std::string hint = "; run it in a desktop session, or under Xvfb: xvfb-run -a " + program;
    const std::string_view display = variable("DISPLAY");
    if (display.empty()) return "vq72-osd: no display found (DISPLAY is not set)" + hint;
    const std::string refusal = xServerRefusal();
    if (refusal.empty()) return {};
    return "vq72-osd: the display " + std::string(display) + " cannot be reached (" + refusal +
           ")" + hint;
}

#else

std::string missingDisplayMessage(const std::string&, const std::vector<std::string>&) {
    return {};
}

#endif

}  // namespace vq72
