// Instances of the program for one user find each other through a local server named after
// the program's title. The running instance answers a later one: whether its window takes
// input, raise the window, close it. A later instance asks, and takes the name over once the
// running one has closed (or left a stale name behind by dying).
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace vq72 {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // How long a request waits for the running instance's answer.
    static constexpr int kAnswerTimeoutMs = 3000;

    // Answers as the instance titled `title`, listening as `serverName`.
    SingleInstance(QString title, QString serverName, QObject* parent = nullptr);
    // The per-user server name for a title: in $XDG_RUNTIME_DIR when set and short enough for
    // a socket path, else tagged with the user's id (in the temporary folder).
    static QString serverNameFor(const QString& title);

    // The window that requests of later instances raise and close.
    void setWindow(QWidget* window) { window_ = window; }

    // Connects to a running instance; true when one answers the connection.
    bool connectToRunning();
    // Sends a request to the running instance and waits for its one-line answer.
    std::optional<QByteArray> ask(const QByteArray& request, const QString& title);
    // Listens under the server name, removing a name that no live instance holds; warns on
    // standard error when it cannot.
    bool claim();
    bool serving() const { return server_.isListening(); }

private:
    bool listen();
    void answer(QLocalSocket* socket);
    QByteArray handle(const QByteArray& request, const QString& title);

    QString title_;
    QString serverName_;
    QLocalServer server_;
    QLocalSocket client_;
    QPointer<QWidget> window_;
};

// Requests and answers between instances, one line each: "<request> <title>".
namespace instance_protocol {
inline constexpr const char* kFind = "find";
inline constexpr const char* kActivate = "activate";
inline constexpr const char* kClose = "close";
inline constexpr const char* kEnabled = "enabled";
inline constexpr const char* kDisabled = "disabled";
inline constexpr const char* kNone = "none";
inline constexpr const char* kDone = "done";
}  // namespace instance_protocol

}  // namespace vq72
