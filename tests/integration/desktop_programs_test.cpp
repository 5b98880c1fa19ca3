// SPDX-License-Identifier: MIT
// Whether the desktop has a program for PDF files, as an xdg-mime of the test's own answers.
#include "platform/qt_widgets/desktop_programs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/scratch_folder.h"

namespace vq72 {

TEST(DesktopPrograms, AnEmptyAnswerOrAFailureOfXdgMimeIsNoProgram) {
    const test::ScratchFolder home;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(home.path()));
    for (const auto& [answer, named] :
         {std::pair{"echo evince.desktop", true}, {"exit 0", false}, {"echo x; exit 4", false}}) {
        std::ofstream(home.path("xdg-mime")) << "#!/bin/sh\n" << answer << "\n";
        std::filesystem::permissions(home.path("xdg-mime"), std::filesystem::perms::owner_all);
        EXPECT_EQ(desktopNamesProgramFor("manual.pdf"), named) << answer;
    }
    qputenv("PATH", path);
}

}  // namespace vq72
