#include "platform/single_instance/single_instance.h"

#include <QApplication>
#include <QDebug>
#include <QEventLoop>
#include <QTimer>

namespace vq72 {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kAnswerTimeoutMs = 3000;  // how long a request waits for the running instance

}  // namespace

SingleInstance::SingleInstance(QString title, QString serverName, QObject* parent)
    : QObject(parent), title_(std::move(title)), serverName_(std::move(serverName)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool SingleInstance::connectToRunning() {
    if (client_.state() == QLocalSocket::ConnectedState) return true;
    client_.connectToServer(serverName_);
    return client_.waitForConnected(kConnectTimeoutMs);
}

// Waits in a local event loop, so that an instance in this same process can answer too.
std::optional<QByteArray> SingleInstance::ask(const QByteArray& request, const QString& title) {
    if (!connectToRunning()) return std::nullopt;
    client_.write(request + ' ' + title.toUtf8() + '\n');
    client_.flush();
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&client_, &QLocalSocket::readyRead, &loop, &QEventLoop::quit);
    connect(&client_, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    deadline.start(kAnswerTimeoutMs);
    while (!client_.canReadLine() && deadline.isActive() &&
           client_.state() == QLocalSocket::ConnectedState) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!client_.canReadLine()) return std::nullopt;
    return client_.readLine().trimmed();
}

void SingleInstance::claim() {
    if (server_.isListening()) return;
    if (client_.state() != QLocalSocket::UnconnectedState) client_.abort();
    // Qt's listen puts its socket in place of whatever the name holds: a name left behind by an
    // instance that died goes, but an instance that answers there keeps it.
    if (connectToRunning()) {
        client_.abort();
        qWarning().noquote() << QStringLiteral("Another %1 holds %2: a second start will find "
                                               "that one, not this one.")
                                    .arg(title_, serverName_);
        return;
    }
    if (server_.listen(serverName_)) return;
    qWarning().noquote() << title_ << "cannot listen as" << serverName_ << "("
                         << server_.errorString() << "): a second start will not find this one.";
}

void SingleInstance::answer(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine().trimmed();
        const qsizetype blank = line.indexOf(' ');
        const QByteArray request = blank < 0 ? line : line.left(blank);
        const QString title = blank < 0 ? QString() : QString::fromUtf8(line.mid(blank + 1));
        socket->write(handle(request, title) + '\n');
        socket->flush();
    }
}

QByteArray SingleInstance::handle(const QByteArray& request, const QString& title) {
    using namespace instance_protocol;
    if (title != title_ || !window_) return kNone;
    // A modal window (the start-up splash) keeps the main window from taking input.
    const bool enabled = window_->isEnabled() && QApplication::activeModalWidget() == nullptr;
    if (request == kFind) return enabled ? kEnabled : kDisabled;
    if (request == kActivate) {
        window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->show();
        window_->raise();
        window_->activateWindow();
        return kDone;
    }
    if (request == kClose) {
        if (!enabled) return kDisabled;
        window_->close();
        // Give up the name before answering: the asking instance takes it over at once, and a
        // server closing later would remove the new owner's name.
        server_.close();
        return kDone;
    }
    return kNone;
}

}  // namespace vq72
