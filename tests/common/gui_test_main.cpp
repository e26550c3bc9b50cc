// Entry point of the window tests: one application object for the whole
// program, drawn off screen unless a platform was chosen. The build runs the
// program to list its tests, without the tests' environment, so the choice
// must be made here.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr || *std::getenv("QT_QPA_PLATFORM") == '\0')
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
