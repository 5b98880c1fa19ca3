// Shared pieces of the About window's GUI tests: points of its client area, and delivering
// Timer1's ticks and the mouse the way the platform does.
#pragma once

#include <QMetaObject>
#include <QPoint>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include "ui/about_window_view.h"

namespace vq72::test {

// Points of the client area in pixels; the behaviour sees them as pixels x 15 twips.
inline const QPoint kPicture{400, 40};       // img_fuzzy only
inline const QPoint kVersionText{186, 120};  // txt_version over the picture

// One tick of Timer1 through the view's timer, as its timeout would deliver it.
inline void tickTimer1(AboutWindowView* view) {
    QTimer* timer = view->findChild<QTimer*>("Timer1");
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
}

// Press, move and release through the window system, which picks the widget that receives
// each event (the release goes where the press went down).
inline void drag(AboutWindowView* view, QPoint from, QPoint to) {
    QWindow* window = view->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
}

}  // namespace vq72::test
