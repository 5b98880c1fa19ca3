// SPDX-License-Identifier: MIT
// Lets pending Qt events (the serial control's I/O) run until a condition holds, within a
// generous bound: waiting for I/O, not timing it.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace vq72::test {

inline constexpr int kIoBoundMs = 3000;

inline bool processEventsUntil(const std::function<bool()>& condition, int boundMs = kIoBoundMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > boundMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

}  // namespace vq72::test
