// main() of the report tests: painting text needs the GUI application object,
// on the offscreen platform so that no display is needed.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs this program without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const TestEnvironment environment;
    return RUN_ALL_TESTS();
}
