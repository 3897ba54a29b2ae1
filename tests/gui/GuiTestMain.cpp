// main() of the dialog tests: widgets need the QApplication object, on the
// offscreen platform so that no display is needed.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs this program without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings a dialog might write by mistake land here, never in the
    // user's own.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    QApplication app(argc, argv);
    const TestEnvironment environment;
    return RUN_ALL_TESTS();
}
