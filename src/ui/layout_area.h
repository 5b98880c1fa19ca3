// SPDX-License-Identifier: MIT
// The main window's own surface: the designed layout area in which the controls sit at their
// pixel positions. Mouse moves over it, not over a control, are the window's mouse moves.
#pragma once

#include <QWidget>
#include <functional>

namespace vq72 {

class LayoutArea : public QWidget {
    Q_OBJECT
public:
    LayoutArea(QSize size, std::function<void()> onMouseMove, QWidget* parent);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::function<void()> onMouseMove_;
};

}  // namespace vq72
