// SPDX-License-Identifier: MIT
#include "platform/qt_widgets/qt_app_services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDebug>
#include <QMessageBox>

#include "device/program_identity.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"
#include "platform/qt_widgets/instance_name.h"

namespace vq72 {

QtAppServices::QtAppServices(QStringList arguments, QString serverName)
    : arguments_(std::move(arguments)), serverName_(std::move(serverName)) {
    if (!serverName_.isEmpty()) return;
    InstancePlace place =
        instancePlace(QString::fromLatin1(kAppTitle), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    serverName_ = std::move(place.serverName);
    placeProblem_ = std::move(place.problem);
}

QtAppServices::~QtAppServices() = default;

void QtAppServices::setMainWindow(QWidget* window) {
    window_ = window;
    if (link_) link_->setWindow(window);
}

SingleInstance* QtAppServices::link() {
    if (link_ || linkFailed_) return link_.get();
    if (serverName_.isEmpty()) {
        linkFailed_ = true;
        qWarning().noquote() << placeProblem_;
        return nullptr;
    }
    link_ = std::make_unique<SingleInstance>(QString::fromLatin1(kAppTitle), serverName_);
    link_->setWindow(window_);
    return link_.get();
}

std::string QtAppServices::commandLine() const {
    return arguments_.join(QLatin1Char(' ')).toStdString();
}

std::string QtAppServices::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

bool QtAppServices::previousInstance() {
    SingleInstance* instance = link();
    if (instance == nullptr) return false;
    // Only a copy of this program counts, one that answers or at least runs as this user.
    using Kind = InstanceAnswer::Kind;
    const Kind holder =
        instance->ask(instance_protocol::kFind, QString::fromLatin1(kAppTitle)).kind;
    if (holder == Kind::Answered || holder == Kind::Silent) return true;
    // Nobody, or a name left behind by an instance that died, or held by a stranger.
    instance->claim();
    return false;
}

void QtAppServices::activate(const std::string& title) {
    InstanceAnswer answer;
    if (SingleInstance* instance = link())
        answer = instance->ask(instance_protocol::kActivate, QString::fromStdString(title));
    if (answer.line != instance_protocol::kDone) {
        throw Failure(failure_number::kInstanceNoAnswer,
                      "No running " + title + " window answered the request to come forward.");
    }
}

AppServices::WindowLookup QtAppServices::findWindow(const std::string& title) {
    SingleInstance* instance = link();
    if (instance == nullptr) return WindowLookup::None;
    const InstanceAnswer answer =
        instance->ask(instance_protocol::kFind, QString::fromStdString(title));
    switch (answer.kind) {
        case InstanceAnswer::Kind::Nobody:
        case InstanceAnswer::Kind::Stranger:
            return WindowLookup::None;
        case InstanceAnswer::Kind::Silent:
            return WindowLookup::Invalid;
        case InstanceAnswer::Kind::Answered:
            break;
    }
    if (answer.line == instance_protocol::kEnabled) return WindowLookup::Enabled;
    if (answer.line == instance_protocol::kDisabled) return WindowLookup::Disabled;
    return WindowLookup::None;
}

void QtAppServices::postClose(const std::string& title) {
    SingleInstance* instance = link();
    if (instance == nullptr) return;
    instance->ask(instance_protocol::kClose, QString::fromStdString(title));
    instance->claim();
}

void QtAppServices::stop() {
    if (link_) link_->stopAsking();
}

void QtAppServices::messageBox(const std::string& text) {
    // Also on standard error, for a run whose screen nobody watches.
    qWarning().noquote() << kAppTitle << "says:" << QString::fromStdString(text);
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
