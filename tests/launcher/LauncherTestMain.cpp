// main() of the launcher's tests: widgets need the QApplication object, on
// the offscreen platform so that no display is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery runs this program without the tests' environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a test leaves for the session lands here, never in the
    // user's own folders.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    QThreadPool::globalInstance()->waitForDone();
#if defined(__SANITIZE_ADDRESS__)
    // The leak check runs while Qt's threads are idle, not at exit.
    __lsan_do_leak_check();
#endif
    return status;
}
