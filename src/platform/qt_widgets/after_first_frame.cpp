#include "platform/qt_widgets/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vq72 {
namespace {

// Watches a window for its first paint event, then queues the work behind it and goes; its
// timer queues the work when no paint comes in time.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> work, std::chrono::milliseconds latest)
        : QObject(&window), window_(window), work_(std::move(work)) {
        QTimer::singleShot(latest, this, [this] { queueWork(); });
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) queueWork();
        return false;
    }

private:
    void queueWork() {
        if (queued_) return;
        queued_ = true;
        window_.removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                work_();
                deleteLater();
            },
            Qt::QueuedConnection);
    }

    QWidget& window_;
    std::function<void()> work_;
    bool queued_ = false;
};

}  // namespace

void runAfterFirstFrame(QWidget* window, std::function<void()> work,
                        std::chrono::milliseconds latest) {
    if (window == nullptr) {
        work();
        return;
    }
    window->installEventFilter(new FirstFrameWatch(*window, std::move(work), latest));
}

}  // namespace vq72
