#include <QApplication>

#include <gtest/gtest.h>

// One application object for every GUI test; widgets need it to exist.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
