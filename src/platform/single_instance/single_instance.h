// The link between instances over Qt's local server and socket: the running instance listens
// under the instance name and answers; a later one connects and asks, and only of a listener
// that runs as this same user. Lines are short both ways.
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/qt_widgets/instance_link.h"

namespace vq72 {

class SingleInstance : public QObject, public InstanceLink {
    Q_OBJECT
public:
    // Answers as the instance titled `title`, listening as `serverName`.
    SingleInstance(QString title, QString serverName, QObject* parent = nullptr);

    void setWindow(QWidget* window) override { window_ = window; }
    InstanceAnswer ask(const QByteArray& request, const QString& title) override;
    void claim() override;
    bool serving() const override { return server_.isListening(); }
    void stopAsking() override { stopped_ = true; }

private:
    // What this run has learnt of the program that holds the name.
    enum class Holder { Unknown, Stranger, Silent };

    // Connects to whatever listens under the name; true when that is a program of this user. A
    // stranger is refused.
    bool reach();
    // Says once why the holder is not a copy of this program, and drops it.
    InstanceAnswer::Kind refuse(const QString& reason);
    // Lets queued events other than user input run until `done` holds, `budgetMs` have passed
    // or the link stops asking; no single wait lasts longer than one step.
    void waitUntil(const std::function<bool()>& done, int budgetMs);
    void admit(QLocalSocket* socket);
    void answer(QLocalSocket* socket);
    QByteArray handle(const QByteArray& request, const QString& title);

    QString title_;
    QString serverName_;
    QLocalServer server_;
    QLocalSocket client_;
    QPointer<QWidget> window_;
    Holder holder_ = Holder::Unknown;
    bool stopped_ = false;
};

}  // namespace vq72
