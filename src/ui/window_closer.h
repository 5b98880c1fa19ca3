// The main window host the logic is built with before the window exists: closing the main
// window closes whichever window is attached later.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/window_system.h"

namespace vq72 {

class WindowCloser : public MainWindowHost {
public:
    void attach(QWidget* window) { window_ = window; }
    void closeMainWindow() override {
        if (window_) window_->close();
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace vq72
