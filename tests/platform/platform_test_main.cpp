#include <gtest/gtest.h>

#include <QCoreApplication>

// The D-Bus tests need one QCoreApplication (and its event loop) for the whole run.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
