// SPDX-License-Identifier: MIT
// The whole logic over fakes: a Program with fake platform services and a manual clock.
#pragma once

#include "app/program.h"
#include "support/fakes.h"
#include "support/manual_clock.h"

namespace vq72::test {

struct Harness {
    FakeSerialControl serial;
    FakeSettingsBacking settings;
    FakeShell shell;
    FakeAppServices app;
    FakeWindowSystem windows;
    MainWindowModel w;
    Program program{w, Platform{serial, settings, shell, app, windows, windows}};
    ManualClock clock{w, program};

    static std::string path(const std::string& name) {
        return "HKEY_LOCAL_MACHINE\\SOFTWARE\\Flarn\\VQ72_OSD\\FormInit\\" + name;
    }
};

}  // namespace vq72::test
