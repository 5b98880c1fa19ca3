// SPDX-License-Identifier: MIT
// The real main window view over the real Program with fake platform services. Timers do not
// run by themselves: tests that need ticks drive them through the manual clock.
#pragma once

#include <QtTest>

#include "app/program.h"
#include "support/fakes.h"
#include "support/manual_clock.h"
#include "ui/main_window_view.h"

namespace vq72::test {

struct ViewFixture {
    // `services`: the application services to use instead of the fake (single-instance tests).
    explicit ViewFixture(AppServices* services = nullptr)
        : app(services != nullptr ? *services : fakeApp) {}

    // Runs the window's load and shows it, as the program does.
    void load() {
        program.Form_Load();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    FakeSerialControl serial;
    FakeSettingsBacking settings;
    FakeShell shell;
    FakeAppServices fakeApp;
    AppServices& app;
    FakeWindowSystem about;
    MainWindowModel w;
    MainWindowView view{w};
    Program program{w, Platform{serial, settings, shell, app, view, about}};
    ManualClock clock{w, program};
};

}  // namespace vq72::test
