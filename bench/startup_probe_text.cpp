// SPDX-License-Identifier: MIT
// A second reference: a Qt Widgets window with a menu bar and one line of text, so that the
// cost of the font machinery, which the empty window never starts, shows apart from the rest.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Status"), &window));
    window.show();
    QTimer::singleShot(0, &qt, &QCoreApplication::quit);
    return QApplication::exec();
}
