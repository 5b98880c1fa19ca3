// SPDX-License-Identifier: MIT
// The program as main() composes it, without the splash, ending as soon as its main window
// has been shown and the event loop has run once.
#include <QApplication>
#include <QTimer>

#include "ui/application.h"
#include "ui/launch_options.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    vq72::LaunchOptions options;
    options.splash = false;
    vq72::Application application(options);
    application.start();
    QTimer::singleShot(0, &qt, &QCoreApplication::quit);
    return application.exec();
}
