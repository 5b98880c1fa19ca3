// SPDX-License-Identifier: MIT
#include "platform/single_instance/single_instance.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <unistd.h>

#include "platform/single_instance/peer_user.h"

namespace vq72 {
namespace {

using instance_protocol::kMaxLine;
using Kind = InstanceAnswer::Kind;

constexpr int kConnectTimeoutMs = 1000;
constexpr int kAnswerTimeoutMs = 3000;  // how long a request waits for the running instance
constexpr int kStepMs = 50;             // the longest the GUI thread waits at a time

bool isAnswer(const QByteArray& line) {
    using namespace instance_protocol;
    return line == kEnabled || line == kDisabled || line == kNone || line == kDone;
}

}  // namespace

SingleInstance::SingleInstance(QString title, QString serverName, QObject* parent)
    : QObject(parent), title_(std::move(title)), serverName_(std::move(serverName)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // A peer that sends without end fills this much and is then read no further.
    client_.setReadBufferSize(kMaxLine);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) admit(socket);
    });
}

InstanceAnswer SingleInstance::ask(const QByteArray& request, const QString& title) {
    if (stopped_) return {};
    if (holder_ == Holder::Stranger) return {Kind::Stranger, {}};
    if (holder_ == Holder::Silent) return {Kind::Silent, {}};
    if (client_.state() != QLocalSocket::ConnectedState && !reach()) {
        return {holder_ == Holder::Stranger ? Kind::Stranger : Kind::Nobody, {}};
    }
    client_.write(request + ' ' + title.toUtf8() + '\n');
    client_.flush();
    const auto full = [this] { return client_.bytesAvailable() >= kMaxLine; };
    waitUntil(
        [&] {
            return client_.canReadLine() || full() ||
                   client_.state() != QLocalSocket::ConnectedState;
        },
        kAnswerTimeoutMs);
    if (client_.canReadLine()) {
        const QByteArray line = client_.readLine(kMaxLine).trimmed();
        if (isAnswer(line)) return {Kind::Answered, line};
        return {refuse(QStringLiteral("its answer is not one that %1 gives").arg(title_)), {}};
    }
    if (full())
        return {refuse(QStringLiteral("its answer is longer than %1 bytes").arg(kMaxLine)), {}};
    // A late answer must not be taken for the answer to a later request.
    client_.abort();
    if (stopped_) return {};
    holder_ = Holder::Silent;
    return {Kind::Silent, {}};
}

bool SingleInstance::reach() {
    client_.abort();
    client_.connectToServer(serverName_);
    waitUntil([this] { return client_.state() != QLocalSocket::ConnectingState; },
              kConnectTimeoutMs);
    if (client_.state() != QLocalSocket::ConnectedState) {
        client_.abort();
        return false;
    }
    const std::optional<uid_t> user = peerUser(client_.socketDescriptor());
    if (user == ::getuid()) return true;
    refuse(user ? QStringLiteral("it runs as user %1").arg(*user)
                : QStringLiteral("the system does not say who runs it"));
    return false;
}

InstanceAnswer::Kind SingleInstance::refuse(const QString& reason) {
    client_.abort();
    holder_ = Holder::Stranger;
    qWarning().noquote() << QStringLiteral(
                                "%1: %2 is held by something that is not %1 (%3): this "
                                "copy ignores it and runs on its own.")
                                .arg(title_, serverName_, reason);
    return Kind::Stranger;
}

void SingleInstance::waitUntil(const std::function<bool()>& done, int budgetMs) {
    QEventLoop loop;
    QTimer step;
    connect(&step, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&client_, &QLocalSocket::readyRead, &loop, &QEventLoop::quit);
    connect(&client_, &QLocalSocket::stateChanged, &loop, &QEventLoop::quit);
    step.start(kStepMs);
    QElapsedTimer waited;
    waited.start();
    while (!done() && !stopped_ && waited.elapsed() < budgetMs) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void SingleInstance::claim() {
    if (stopped_ || server_.isListening()) return;
    // Qt's listen puts its socket in place of whatever the name holds: a name left behind by an
    // instance that died goes, and so does a stranger's; a copy of this user's keeps it.
    if (holder_ != Holder::Stranger && reach()) {
        client_.abort();
        qWarning().noquote() << QStringLiteral(
                                    "Another %1 holds %2: a second start will find "
                                    "that one, not this one.")
                                    .arg(title_, serverName_);
        return;
    }
    if (server_.listen(serverName_)) return;
    qWarning().noquote() << title_ << "cannot listen as" << serverName_ << "("
                         << server_.errorString() << "): a second start will not find this one.";
}

void SingleInstance::admit(QLocalSocket* socket) {
    socket->setReadBufferSize(kMaxLine);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
}

void SingleInstance::answer(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLine).trimmed();
        const qsizetype blank = line.indexOf(' ');
        const QByteArray request = blank < 0 ? line : line.left(blank);
        const QString title = blank < 0 ? QString() : QString::fromUtf8(line.mid(blank + 1));
        socket->write(handle(request, title) + '\n');
        socket->flush();
    }
    // A request longer than any of this program's.
    if (socket->bytesAvailable() >= kMaxLine) socket->abort();
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
