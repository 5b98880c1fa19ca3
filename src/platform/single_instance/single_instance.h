// The link between instances over Qt's local server and socket: the running instance listens
// under the instance name and answers; a later one connects and asks.
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/qt_widgets/instance_link.h"

namespace vq72 {

class SingleInstance : public QObject, public InstanceLink {
    Q_OBJECT
public:
    // Answers as the instance titled `title`, listening as `serverName`.
    SingleInstance(QString title, QString serverName, QObject* parent = nullptr);

    void setWindow(QWidget* window) override { window_ = window; }
    bool connectToRunning() override;
    std::optional<QByteArray> ask(const QByteArray& request, const QString& title) override;
    void claim() override;
    bool serving() const override { return server_.isListening(); }

private:
    void answer(QLocalSocket* socket);
    QByteArray handle(const QByteArray& request, const QString& title);

    QString title_;
    QString serverName_;
    QLocalServer server_;
    QLocalSocket client_;
    QPointer<QWidget> window_;
};

}  // namespace vq72
