#include <gtest/gtest.h>

#include <QCoreApplication>

// The core has no windows, but its timers and network replies need an application object.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
