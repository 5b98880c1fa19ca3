// SPDX-License-Identifier: MIT
// The manual's pictures were taken of the program with the fonts that setup installs, which are
// the only ones the GUI tests see: a window that no longer looks as its picture shows (a control
// moved, resized or recaptioned) fails, and the manual must be shown the change too
// (scripts/screenshot, scripts/shoot-about-window).
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace vq72::test {

// Pixels of `window` unlike the manual's picture `name`, which shows the window at its top
// left corner (and the screen below it); -1 when the picture is missing or narrower.
inline int pixelsUnlikeTheManual(QWidget& window, const QString& name) {
    const QImage manual =
        QImage(QStringLiteral(VQ72_MANUAL_IMAGES "/") + name).convertToFormat(QImage::Format_RGB32);
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (manual.isNull() || shown.width() != manual.width() || shown.height() > manual.height()) {
        return -1;
    }
    int unlike = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) unlike += shown.pixel(x, y) != manual.pixel(x, y);
    }
    return unlike;
}

}  // namespace vq72::test
