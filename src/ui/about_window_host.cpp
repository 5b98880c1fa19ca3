#include "ui/about_window_host.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "vq72/version.h"

namespace vq72 {

QtAboutWindowHost::~QtAboutWindowHost() {
    unloadAbout();
}

QDialog* QtAboutWindowHost::load() {
    if (dialog_) return dialog_;
    dialog_ = new QDialog(owner_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->setWindowTitle(QString::fromLatin1(version::kProgramName));
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(new QLabel(
        QStringLiteral("%1\nVersion %2")
            .arg(QString::fromLatin1(version::kProgramName), QString::fromLatin1(version::kText)),
        dialog_));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog_);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog_, &QDialog::accept);
    layout->addWidget(buttons);
    return dialog_;
}

void QtAboutWindowHost::showAboutModeless() {
    QDialog* dialog = load();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void QtAboutWindowHost::showAboutModal() {
    QDialog* dialog = load();
    QTimer::singleShot(kSplashMs, dialog, &QDialog::accept);
    dialog->exec();
}

void QtAboutWindowHost::unloadAbout() {
    if (dialog_) dialog_->close();
}

}  // namespace vq72
