// SPDX-License-Identifier: MIT
// The application's own services on Qt: command line, folder, the link to a running instance,
// message box, beep and letting queued events run.
#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "platform/app_services.h"
#include "platform/single_instance/single_instance.h"

namespace vq72 {

class QtAppServices : public AppServices {
public:
    // `arguments`: the command-line arguments the program itself did not consume.
    // `serverName`: where instances meet; by default the per-user place for the program's title.
    explicit QtAppServices(QStringList arguments, QString serverName = {});
    ~QtAppServices() override;
    QtAppServices(const QtAppServices&) = delete;
    QtAppServices& operator=(const QtAppServices&) = delete;

    // The window that a later instance raises and closes.
    void setMainWindow(QWidget* window);
    // True while this instance answers later ones.
    bool serving() const { return link_ && link_->serving(); }
    // The program is ending: a wait on the running instance ends at once and nothing more is
    // asked of it (so no "EndTask" box opens either).
    void stop();

    std::string commandLine() const override;
    std::string programFolder() const override;
    char pathSeparator() const override { return '/'; }

    // Without a running instance, this one takes the instance name (also one left behind, or held
    // by a stranger, which is said on standard error).
    bool previousInstance() override;
    void activate(const std::string& title) override;
    WindowLookup findWindow(const std::string& title) override;
    // Asks the running instance to close, waits for its answer, then takes the instance name.
    void postClose(const std::string& title) override;

    void messageBox(const std::string& text) override;
    void beep() override;
    void doEvents() override;

private:
    // The link, made on first use; null when there is no safe place to meet (said once on
    // standard error).
    SingleInstance* link();

    QStringList arguments_;
    QString serverName_;
    QString placeProblem_;
    QWidget* window_ = nullptr;
    std::unique_ptr<SingleInstance> link_;
    bool linkFailed_ = false;
};

}  // namespace vq72
