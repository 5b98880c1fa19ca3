#include "platform/qt_widgets/qt_app_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "device/program_identity.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72 {

QtAppServices::QtAppServices(QStringList arguments, QString serverName)
    : arguments_(std::move(arguments)),
      instance_(QString::fromLatin1(kAppTitle),
                serverName.isEmpty() ? SingleInstance::serverNameFor(QString::fromLatin1(kAppTitle))
                                     : std::move(serverName)) {}

std::string QtAppServices::commandLine() const {
    return arguments_.join(QLatin1Char(' ')).toStdString();
}

std::string QtAppServices::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

bool QtAppServices::previousInstance() {
    if (instance_.connectToRunning()) return true;
    instance_.claim();
    return false;
}

void QtAppServices::activate(const std::string& title) {
    const auto answer = instance_.ask(instance_protocol::kActivate, QString::fromStdString(title));
    if (answer != QByteArray(instance_protocol::kDone)) {
        throw Failure(failure_number::kInstanceNoAnswer,
                      "No running " + title + " window answered the request to come forward.");
    }
}

AppServices::WindowLookup QtAppServices::findWindow(const std::string& title) {
    if (!instance_.connectToRunning()) return WindowLookup::None;
    const auto answer = instance_.ask(instance_protocol::kFind, QString::fromStdString(title));
    if (!answer) return WindowLookup::Invalid;
    if (*answer == instance_protocol::kEnabled) return WindowLookup::Enabled;
    if (*answer == instance_protocol::kDisabled) return WindowLookup::Disabled;
    return WindowLookup::None;
}

void QtAppServices::postClose(const std::string& title) {
    instance_.ask(instance_protocol::kClose, QString::fromStdString(title));
    instance_.claim();
}

void QtAppServices::messageBox(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QString::fromLatin1(kAppTitle),
                             QString::fromStdString(text), QMessageBox::Ok);
}

void QtAppServices::beep() {
    QApplication::beep();
}

void QtAppServices::doEvents() {
    QCoreApplication::processEvents();
}

}  // namespace vq72
