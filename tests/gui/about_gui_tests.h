// The About window's GUI test classes, run one after the other by about_gui_main.cpp.
#pragma once

namespace vq72::test {

int runAboutWindowViewTests(int argc, char** argv);
int runAboutWindowHostTests(int argc, char** argv);

}  // namespace vq72::test
