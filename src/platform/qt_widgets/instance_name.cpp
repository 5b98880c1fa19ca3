#include "platform/qt_widgets/instance_name.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/un.h>
#include <unistd.h>
#endif

namespace vq72 {
namespace {

// A local server's name is a socket path on Unix, limited by sockaddr_un (107 bytes on Linux).
bool fitsSocketPath(const QString& path) {
#ifdef Q_OS_UNIX
    return static_cast<std::size_t>(QFile::encodeName(path).size()) < sizeof(sockaddr_un::sun_path);
#else
    Q_UNUSED(path);
    return true;
#endif
}

QString userTag() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

}  // namespace

QString instanceServerName(const QString& title) {
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString inRuntimeDir = runtimeDir + QLatin1Char('/') + title;
    if (!runtimeDir.isEmpty() && fitsSocketPath(inRuntimeDir)) return inRuntimeDir;
    return title + QLatin1Char('-') + userTag();
}

bool instanceMayBeListening(const QString& serverName) {
#ifdef Q_OS_UNIX
    // Qt's local server puts a name without a folder in the temporary folder.
    const QString path = serverName.startsWith(QLatin1Char('/'))
                             ? serverName
                             : QDir(QDir::tempPath()).filePath(serverName);
    return QFile::exists(path);
#else
    Q_UNUSED(serverName);
    return true;
#endif
}

}  // namespace vq72
