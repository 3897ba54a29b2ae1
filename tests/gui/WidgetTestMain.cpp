// main() of the window tests: real widgets on the offscreen platform, so no
// display is needed; the same environment as every other test program.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TestEnvironment environment;
    return RUN_ALL_TESTS();
}
