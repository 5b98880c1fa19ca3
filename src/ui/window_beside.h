// SPDX-License-Identifier: MIT
// Keeps a second window beside the main window on the main window's screen: places it at once and
// again whenever the main window moves, since the window manager places the main window only
// once it is shown.
#pragma once

#include <QObject>
#include <QWidget>

namespace vq72 {

class WindowBeside : public QObject {
public:
    WindowBeside(QWidget& main, QWidget& other);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget& main_;
    QWidget& other_;
};

}  // namespace vq72
