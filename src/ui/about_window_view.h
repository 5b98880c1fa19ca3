// SPDX-License-Identifier: MIT
// The Qt view of the About window: builds the widgets of the model's controls at their designed
// places and stacking, mirrors the model into them, and routes the mouse, keys and Timer1 to
// the window's behaviour. The window's own client coordinates are what the behaviour hit-tests.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

#include "about/about_window.h"
#include "about/about_window_model.h"

namespace vq72 {

class AboutWindowView : public QWidget {
    Q_OBJECT

public:
    // `closed` runs when the window manager closes the window, so that it is unloaded.
    AboutWindowView(AboutWindowModel& model, AboutWindow& about, QWidget* parent,
                    std::function<void()> closed);
    ~AboutWindowView() override;

    // The widget that shows a control; its object name is the control's name.
    QWidget* widgetOf(const Control& control) const;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QWidget* createWidget(const Control& control);
    void mirror(const Control& control, ControlProperty property);
    void mirrorTimer1();
    // The widget of the topmost visible control at a point of the client area, nullptr where
    // the window's own surface shows.
    QWidget* widgetAt(const QPoint& pixel) const;

    AboutWindowModel& model_;
    AboutWindow& about_;
    std::function<void()> closed_;
    std::map<const Control*, QWidget*> widgets_;
    QTimer timer1_;
};

}  // namespace vq72
