// SPDX-License-Identifier: MIT
#include "platform/qt_widgets/desktop_programs.h"

#include <QMimeDatabase>
#include <QProcess>

namespace vq72 {

bool desktopNamesProgramFor(const QString& path) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    constexpr int kAnswerBoundMs = 1500;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QMimeDatabase().mimeTypeForFile(path).name()});
    if (!query.waitForFinished(kAnswerBoundMs)) return true;
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(path);
    return true;
#endif
}

}  // namespace vq72
