// SPDX-License-Identifier: MIT
#include "platform/qt_widgets/instance_name.h"

#include <QFile>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vq72 {
namespace {

constexpr const char* kOwnFolderPrefix = "/vq72-osd-";
constexpr mode_t kPrivateMode = 0700;

// A local server's name is a socket path, limited by sockaddr_un (107 bytes on Linux).
bool fitsSocketPath(const QString& path) {
    return static_cast<std::size_t>(QFile::encodeName(path).size()) < sizeof(sockaddr_un::sun_path);
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why other users could reach into `folder`; empty when only this user can.
QString openToOthers(const QString& folder) {
    struct stat status {};
    if (::lstat(QFile::encodeName(folder).constData(), &status) != 0) return systemError();
    if (!S_ISDIR(status.st_mode)) return QStringLiteral("it is not a folder");
    if (status.st_uid != ::getuid())
        return QStringLiteral("it belongs to user %1").arg(status.st_uid);
    const mode_t mode = status.st_mode & 07777;
    if (mode != kPrivateMode)
        return QStringLiteral("its mode is %1, not 0700").arg(mode, 4, 8, QLatin1Char('0'));
    return {};
}

}  // namespace

InstancePlace instancePlace(const QString& title, const QString& runtimeFolder,
                            const QString& sharedParent) {
    const QString inRuntime = runtimeFolder + QLatin1Char('/') + title;
    if (!runtimeFolder.isEmpty() && fitsSocketPath(inRuntime) &&
        openToOthers(runtimeFolder).isEmpty()) {
        return {inRuntime, {}};
    }
    const QString own =
        sharedParent + QLatin1String(kOwnFolderPrefix) + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(own);
    // The umask may have taken bits of the mode away.
    if (::mkdir(path.constData(), kPrivateMode) == 0) {
        ::chmod(path.constData(), kPrivateMode);
    } else if (errno != EEXIST) {
        return {{},
                QStringLiteral("%1 cannot make %2, the folder where its copies meet (%3): it "
                               "does not look for a copy already running, nor can a later "
                               "start find it.")
                    .arg(title, own, systemError())};
    }
    if (const QString why = openToOthers(own); !why.isEmpty()) {
        return {{},
                QStringLiteral("%1 does not use %2, the folder where its copies meet: %3, and "
                               "only a folder of this user's own with mode 0700 keeps other "
                               "users out. It does not look for a copy already running, nor "
                               "can a later start find it. Remove %2, or set XDG_RUNTIME_DIR "
                               "to a folder of your own with mode 0700.")
                    .arg(title, own, why)};
    }
    return {own + QLatin1Char('/') + title, {}};
}

}  // namespace vq72
