// SPDX-License-Identifier: MIT
// Whether the desktop has a program for PDF files, as an xdg-mime of the test's own on PATH
// answers: a program's name, nothing, a failure, or no xdg-mime at all (the opener decides).
#include <gtest/gtest.h>

#include <QByteArray>
#include <filesystem>
#include <fstream>

#include "platform/qt_widgets/desktop_programs.h"
#include "support/scratch_folder.h"

namespace vq72 {
namespace {

TEST(DesktopPrograms, AnEmptyAnswerOrAFailureOfXdgMimeIsNoProgram) {
    const test::ScratchFolder home;
    const QString manual = QString::fromStdString(home.path("manual.pdf"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(home.path()));
    const struct {
        const char* script;
        bool program;
    } cases[] = {{"echo evince.desktop", true},
                 {"exit 0", false},
                 {"echo evince.desktop; exit 4", false},
                 {nullptr, true}};
    for (const auto& c : cases) {
        std::filesystem::remove(home.path("xdg-mime"));
        if (c.script != nullptr) {
            std::ofstream(home.path("xdg-mime")) << "#!/bin/sh\n" << c.script << "\n";
            std::filesystem::permissions(home.path("xdg-mime"), std::filesystem::perms::owner_all);
        }
        EXPECT_EQ(desktopNamesProgramFor(manual), c.program) << (c.script ? c.script : "none");
    }
    qputenv("PATH", path);
}

}  // namespace
}  // namespace vq72
