// Runs the About window's GUI tests in one application.
#include <QApplication>

#include "about_gui_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = vq72::test::runAboutWindowViewTests(argc, argv);
    failed += vq72::test::runAboutWindowHostTests(argc, argv);
    return failed;
}
