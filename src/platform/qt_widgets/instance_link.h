// How instances of the program for one user find each other: the running instance answers a
// later one (whether its window takes input, raise the window, close it); a later instance asks,
// and takes the name over once the running one has closed. The link lives in a module beside the
// program (it needs Qt Network, which the first frame does not).
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class QWidget;

namespace vq72 {

class InstanceLink {
public:
    virtual ~InstanceLink() = default;

    // The window that requests of later instances raise and close.
    virtual void setWindow(QWidget* window) = 0;
    // Connects to a running instance; true when one answers the connection.
    virtual bool connectToRunning() = 0;
    // Sends a request to the running instance and waits for its one-line answer.
    virtual std::optional<QByteArray> ask(const QByteArray& request, const QString& title) = 0;
    // Listens under the instance name unless a live instance holds it (a name left behind is
    // taken over); warns on standard error when it does not listen.
    virtual void claim() = 0;
    virtual bool serving() const = 0;
};

// The module's file in the program's folder, and its function that makes a link for the
// instance titled `title`, meeting others as `serverName`.
inline constexpr const char* kInstanceModuleFile = "libvq72-single-instance.so";
inline constexpr const char* kInstanceLinkFactory = "vq72_create_instance_link";
using InstanceLinkFactory = InstanceLink* (*)(const QString& title, const QString& serverName);

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
