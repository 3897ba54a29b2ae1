// Where working copies go, and the window's log: a runtime folder that is
// not the user's own and private is passed over with the reason logged, and
// the log stays small.
#include "app/UserFolders.h"
#include "app/LogCategories.h"
#include "app/SupportLog.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets a variable for one scope, or unsets it for a null value.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char* name, const QByteArray& value)
        : name_(name), previous_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvironmentGuard()
    {
        if (wasSet_)
            qputenv(name_, previous_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray previous_;
    bool wasSet_;
};

int modeOf(const QString& path)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 07777)
                                                                    : -1;
}

QStringList loggedLines;

void collectLines(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    loggedLines << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
}

class UserFoldersTest : public TempDirTest
{
};

} // namespace

TEST_F(UserFoldersTest, WorkingCopiesGoToAPrivateRuntimeFolderElseToTheTemporaryOne)
{
    ASSERT_TRUE(QDir().mkpath(path("tmp")));
    const int tmpMode = modeOf(path("tmp"));
    const EnvironmentGuard tmp("TMPDIR", QFile::encodeName(path("tmp")));
    for (const char* folder : {"private", "open", "private-with-open-fibrolog"})
        ASSERT_TRUE(QDir().mkpath(path(folder)));
    ::chmod(QFile::encodeName(path("private")).constData(), 0700);
    ::chmod(QFile::encodeName(path("open")).constData(), 0777);
    ::chmod(QFile::encodeName(path("private-with-open-fibrolog")).constData(), 0700);
    ASSERT_TRUE(QDir().mkpath(path("private-with-open-fibrolog/fibrolog")));
    ::chmod(QFile::encodeName(path("private-with-open-fibrolog/fibrolog")).constData(), 0777);
    ASSERT_EQ(::symlink(QFile::encodeName(path("private")).constData(),
                        QFile::encodeName(path("link")).constData()),
              0);
    ASSERT_TRUE(QDir().mkpath(path("private-with-link")));
    ::chmod(QFile::encodeName(path("private-with-link")).constData(), 0700);
    ASSERT_EQ(::symlink(QFile::encodeName(path("tmp")).constData(),
                        QFile::encodeName(path("private-with-link/fibrolog")).constData()),
              0);

    struct Case
    {
        QByteArray runtime; // null: not set
        QString expected;
        const char* reason; // in the log when the runtime folder is passed over
    };
    const QList<Case> cases = {
        {QFile::encodeName(path("private")), path("private/fibrolog"), nullptr},
        {QFile::encodeName(path("private-with-open-fibrolog")), path("private-with-open-fibrolog/fibrolog"),
         nullptr},
        {QByteArray(), path("tmp"), nullptr},
        {QFile::encodeName(path("open")), path("tmp"), "others may use it (mode 0777)"},
        {QFile::encodeName(path("link")), path("tmp"), "it is a symbolic link"},
        {QFile::encodeName(path("private-with-link")), path("tmp"), "it is a symbolic link"},
        {QFile::encodeName(path("missing")), path("tmp"), "No such file or directory"},
        {"relative/run", path("tmp"), "not an absolute path"},
    };
    QLoggingCategory::setFilterRules(QStringLiteral("fibrolog.*.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(collectLines);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.runtime.isNull() ? "unset" : c.runtime.constData());
        const EnvironmentGuard runtime("XDG_RUNTIME_DIR", c.runtime);
        loggedLines.clear();
        EXPECT_EQ(UserFolders::workingFolder(), c.expected);
        if (c.expected != path("tmp")) {
            EXPECT_EQ(modeOf(c.expected), 0700) << "the program's folder is its user's alone";
        }
        if (c.reason) {
            ASSERT_EQ(loggedLines.size(), 1);
            EXPECT_TRUE(
                loggedLines.first().startsWith("fibrolog.files: Working copies go to " + path("tmp")));
            EXPECT_TRUE(loggedLines.first().contains(c.reason)) << loggedLines.first().toStdString();
        } else {
            EXPECT_TRUE(loggedLines.isEmpty()) << loggedLines.join('\n').toStdString();
        }
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(modeOf(path("tmp")), tmpMode) << "a link's target is left as it was";
}

TEST_F(UserFoldersTest, TheLogKeepsWarningsAlwaysDebugLinesWhenVerboseAndStaysSmall)
{
    const EnvironmentGuard state("XDG_STATE_HOME", QFile::encodeName(path("state")));
    const QString log = path("state/fibrolog/fibrolog.log");
    ASSERT_EQ(SupportLog::path(), log);
    // What the log passes on to the handler before it goes nowhere here.
    const QtMessageHandler outer = qInstallMessageHandler(collectLines);

    loggedLines.clear();
    ASSERT_TRUE(SupportLog::install(false));
    qCDebug(lcMeter) << "quiet debug line";
    qCWarning(lcFiles) << "a warning";
    SupportLog::uninstall();
    const QByteArray quiet = fileBytes(log);
    EXPECT_TRUE(quiet.contains(" warning fibrolog.files: a warning\n")) << quiet.constData();
    EXPECT_FALSE(quiet.contains("quiet debug line"));
    EXPECT_EQ(modeOf(log), 0600);
    EXPECT_EQ(modeOf(path("state/fibrolog")), 0700);

    LogCategories::enableDebugLines();
    ASSERT_TRUE(SupportLog::install(true));
    const QString line = QString(200, QLatin1Char('x'));
    for (int i = 0; i < 12000; ++i)
        qCDebug(lcMeter).noquote() << line;
    SupportLog::uninstall();
    qInstallMessageHandler(outer);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_TRUE(loggedLines.contains("fibrolog.files: a warning")) << "standard error still gets every line";
    EXPECT_TRUE(fileBytes(log).contains("debug fibrolog.meter: xxx"));
    EXPECT_TRUE(QFileInfo::exists(log + ".1")) << "the full log became the old one";
    EXPECT_LE(QFileInfo(log).size(), SupportLog::kMaxBytes);
    EXPECT_LE(QFileInfo(log + ".1").size(), SupportLog::kMaxBytes);
    EXPECT_FALSE(QFileInfo::exists(log + ".2"));
}
