// SPDX-License-Identifier: MIT
// SIGTERM, SIGINT and SIGHUP as a Qt signal on the event thread, so that a stopped program
// leaves through its normal unload and closes its port (and lock file) on the way out.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace vq72 {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // One per process: it owns the handlers of the three signals.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // `signalNumber`: the signal that asked (SIGTERM, SIGINT or SIGHUP).
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vq72
