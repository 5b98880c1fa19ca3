#include "platform/qt_widgets/after_first_frame.h"

#include <QEvent>
#include <QWidget>

namespace vq72 {
namespace {

// Watches a window for its first paint event, then queues the work behind it and goes.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), work_(std::move(work)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    work_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> work_;
    bool queued_ = false;
};

}  // namespace

void runAfterFirstFrame(QWidget* window, std::function<void()> work) {
    if (window == nullptr) {
        work();
        return;
    }
    window->installEventFilter(new FirstFrameWatch(*window, std::move(work)));
}

}  // namespace vq72
