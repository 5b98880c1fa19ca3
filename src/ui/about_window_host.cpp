// SPDX-License-Identifier: MIT
#include "ui/about_window_host.h"

#include <algorithm>

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include "about/about_window.h"
#include "about/about_window_model.h"
#include "ui/about_window_view.h"
#include "ui/window_frames.h"

namespace vq72 {

// One loaded About window: model, behaviour and view live and go together.
class QtAboutHost::Loaded : public QObject {
public:
    // Closing by any means unloads this window, and only this one.
    Loaded(QtAboutHost& host, QWidget* parent)
        : about(model, host.state_, host.shell_, [this, &host] { host.unload(this); }),
          view(new AboutWindowView(model, about, parent, [this, &host] { host.unload(this); })) {
        about.Form_Load();
    }
    ~Loaded() override { delete view.data(); }  // unless its parent has taken it along

    AboutWindowModel model;
    AboutWindow about;
    QPointer<AboutWindowView> view;
};

QtAboutHost::QtAboutHost(const StartUpFlags& state, Shell& shell, QWidget* parent)
    : state_(state), shell_(shell), parent_(parent) {}

QtAboutHost::~QtAboutHost() = default;

bool QtAboutHost::aboutLoaded() const {
    return loaded_ != nullptr;
}

AboutWindowView* QtAboutHost::view() const {
    return loaded_ ? loaded_->view.data() : nullptr;
}

void QtAboutHost::showAboutModeless() {
    if (!loaded_) load();
    bringForward();
}

void QtAboutHost::showAboutModal() {
    if (!loaded_) load();
    AboutWindowView* window = view();
    // Modality and the frame take effect when a window is shown.
    window->hide();
    window->setWindowFlags(kSplash);
    window->setWindowModality(Qt::WindowModal);
    bringForward();

    QEventLoop loop;
    QEventLoop* outer = modalLoop_;
    modalLoop_ = &loop;
    if (aboutLoaded()) loop.exec();
    modalLoop_ = outer;
}

void QtAboutHost::unloadAbout() {
    unload(loaded_.get());
}

void QtAboutHost::unload(Loaded* window) {
    if (!window || window != loaded_.get()) return;
    Loaded* closing = loaded_.release();
    closing->model.Timer1.setEnabled(false);
    if (closing->view) closing->view->hide();
    closing->deleteLater();
    if (modalLoop_) modalLoop_->quit();
}

void QtAboutHost::load() {
    loaded_ = std::make_unique<Loaded>(*this, parent_.data());
    // Centred over the main window, or on the screen when there is none; kept on the screen.
    AboutWindowView* window = view();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->availableGeometry() : QRect();
    QRect area = parent_ ? parent_->window()->frameGeometry() : QRect();
    if (area.isEmpty()) area = screenArea;
    if (area.isEmpty()) return;
    QPoint topLeft = area.center() - window->rect().center();
    if (!screenArea.isEmpty()) {
        topLeft.setX(std::clamp(topLeft.x(), screenArea.left(),
                                std::max(screenArea.left(), screenArea.right() - window->width())));
        topLeft.setY(
            std::clamp(topLeft.y(), screenArea.top(),
                       std::max(screenArea.top(), screenArea.bottom() - window->height())));
    }
    window->move(topLeft);
}

void QtAboutHost::bringForward() {
    AboutWindowView* window = view();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace vq72
