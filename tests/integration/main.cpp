// SPDX-License-Identifier: MIT
// The integration tests run inside a QCoreApplication, so that the serial control's events can
// be delivered by processEvents() and QProcess can run the sender.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
