// SPDX-License-Identifier: MIT
// How instances of the program for one user find each other, over Qt's local server and socket:
// the running instance listens under the instance name and answers a later one (whether its
// window takes input, raise the window, close it); a later instance connects and asks, only of
// a listener that runs as this same user, and takes the name over once the running one has
// closed. Lines are short both ways.
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace vq72 {

// What a request to the program listening under the instance name came to.
struct InstanceAnswer {
    enum class Kind {
        Nobody,    // nothing listens there (or the link has stopped asking)
        Stranger,  // something that is not a copy of this program holds the name (said once on
                   // standard error); it is sent nothing more
        Silent,    // a copy of this program holds it but gave no answer in time
        Answered,  // a copy of this program answered: `line`
    };
    Kind kind = Kind::Nobody;
    QByteArray line;  // empty unless answered
};

// Requests and answers between instances, one line each: "<request> <title>". No line is longer
// than kMaxLine bytes (line end included); a longer one is not from a copy of this program.
namespace instance_protocol {
inline constexpr int kMaxLine = 256;
inline constexpr const char* kFind = "find";
inline constexpr const char* kActivate = "activate";
inline constexpr const char* kClose = "close";
inline constexpr const char* kEnabled = "enabled";
inline constexpr const char* kDisabled = "disabled";
inline constexpr const char* kNone = "none";
inline constexpr const char* kDone = "done";
}  // namespace instance_protocol

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Answers as the instance titled `title`, listening as `serverName`.
    SingleInstance(QString title, QString serverName, QObject* parent = nullptr);

    // The window that requests of later instances raise and close.
    void setWindow(QWidget* window) { window_ = window; }
    // Sends a request to the running instance and waits (at most a few seconds, letting this
    // program's queued events other than user input run) for its one-line answer. Only a peer
    // that runs as this same user is sent anything; answers are bounded in size.
    InstanceAnswer ask(const QByteArray& request, const QString& title);
    // Listens under the instance name unless a copy of this user holds it (a name left behind,
    // or one held by a stranger, is taken over); warns on standard error when it does not listen.
    void claim();
    bool serving() const { return server_.isListening(); }
    // The program is ending: a wait for an answer ends within one step, and nothing more is asked
    // or claimed.
    void stopAsking() { stopped_ = true; }

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
