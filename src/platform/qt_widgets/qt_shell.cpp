// SPDX-License-Identifier: MIT
#include "platform/qt_widgets/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/qt_widgets/desktop_programs.h"

namespace vq72 {
namespace {

// "https:", "mailto:" and the like; a single letter is a drive ("C:"), not a scheme.
bool isAddress(const QUrl& url) {
    return url.isValid() && url.scheme().size() > 1;
}

}  // namespace

long QtShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    if (text.trimmed().isEmpty())
        throw Failure(failure_number::kShellUnusableTarget, "There is nothing to open.");
    QUrl url(text, QUrl::StrictMode);
    if (!isAddress(url)) {
        if (!QFileInfo::exists(text)) return failure_number::kShellFileNotFound;
        if (!desktopNamesProgramFor(text)) return failure_number::kShellNoAssociation;
        url = QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
    }
    return QDesktopServices::openUrl(url) ? failure_number::kShellOpened
                                          : failure_number::kShellNoAssociation;
}

}  // namespace vq72
