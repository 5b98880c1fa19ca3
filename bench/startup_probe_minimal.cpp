// SPDX-License-Identifier: MIT
// The reference: a Qt Widgets program that shows one empty window and ends as soon as the
// event loop has run once.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &qt, &QCoreApplication::quit);
    return QApplication::exec();
}
