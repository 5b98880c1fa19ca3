// SPDX-License-Identifier: MIT
#include "ui/window_beside.h"

#include <QEvent>
#include <QScreen>

#include "window/window_placement.h"

namespace vq72 {
namespace {

Rect toRect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

}  // namespace

WindowBeside::WindowBeside(QWidget& main, QWidget& other) : main_(main), other_(other) {
    main_.installEventFilter(this);
    place();
}

// Installed on the main window only.
bool WindowBeside::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Move) place();
    return false;
}

void WindowBeside::place() {
    const QScreen* screen = main_.screen();
    if (!screen) return;
    // The second window's frame is taken to be as wide as the main window's.
    const QRect frame = main_.frameGeometry();
    const QSize margins = frame.size() - main_.size();
    const Rect at =
        placeBeside(toRect(frame), other_.width() + margins.width(),
                    other_.height() + margins.height(), toRect(screen->availableGeometry()));
    other_.move(at.left, at.top);
}

}  // namespace vq72
