// A plain About window until the full one exists: a small dialog titled "VQ72_OSD" that shows
// the program's version, modeless from the Help menu or modal as the start-up splash.
#pragma once

#include <QDialog>
#include <QPointer>

#include "platform/window_system.h"

namespace vq72 {

class QtAboutWindowHost : public AboutWindowHost {
public:
    // How long the modal start-up splash stays.
    static constexpr int kSplashMs = 1500;

    explicit QtAboutWindowHost(QWidget* owner = nullptr) : owner_(owner) {}
    ~QtAboutWindowHost() override;

    void setOwner(QWidget* owner) { owner_ = owner; }

    bool aboutLoaded() const override { return !dialog_.isNull(); }
    void showAboutModeless() override;
    void showAboutModal() override;
    void unloadAbout() override;

private:
    QDialog* load();

    QPointer<QWidget> owner_;
    QPointer<QDialog> dialog_;
};

}  // namespace vq72
