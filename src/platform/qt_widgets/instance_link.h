// How instances of the program for one user find each other: the running instance answers a
// later one (whether its window takes input, raise the window, close it); a later instance asks,
// and takes the name over once the running one has closed. The link lives in a module beside the
// program (it needs Qt Network, which the first frame does not).
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

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

class InstanceLink {
public:
    virtual ~InstanceLink() = default;

    // The window that requests of later instances raise and close.
    virtual void setWindow(QWidget* window) = 0;
    // Sends a request to the running instance and waits (at most a few seconds, letting this
    // program's queued events other than user input run) for its one-line answer. Only a peer
    // that runs as this same user is sent anything; answers are bounded in size.
    virtual InstanceAnswer ask(const QByteArray& request, const QString& title) = 0;
    // Listens under the instance name unless a copy of this user holds it (a name left behind,
    // or one held by a stranger, is taken over); warns on standard error when it does not listen.
    virtual void claim() = 0;
    virtual bool serving() const = 0;
    // The program is ending: a wait for an answer ends within one step, and nothing more is asked
    // or claimed.
    virtual void stopAsking() = 0;
};

// The module's file in the program's folder, and its function that makes a link for the
// instance titled `title`, meeting others as `serverName`.
inline constexpr const char* kInstanceModuleFile = "libvq72-single-instance.so";
inline constexpr const char* kInstanceLinkFactory = "vq72_create_instance_link";
using InstanceLinkFactory = InstanceLink* (*)(const QString& title, const QString& serverName);

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

}  // namespace vq72
