// SPDX-License-Identifier: MIT
#include "ui/display_check.h"

#include <QtGlobal>
#include <cstdlib>

namespace vq72 {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

std::string missingDisplayMessage(const std::string& program) {
    if (isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY")) return {};
    return "vq72-osd: no display found (DISPLAY is not set); run it in a desktop session, or "
           "under Xvfb: xvfb-run -a " +
           program;
}

#else

std::string missingDisplayMessage(const std::string&) {
    return {};
}

#endif

}  // namespace vq72
