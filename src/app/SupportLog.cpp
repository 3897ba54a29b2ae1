#include "app/SupportLog.h"

#include "app/LogCategories.h"
#include "app/UserFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct LogState
{
    QMutex mutex;
    QByteArray path;
    QByteArray oldPath;
    bool verbose = false;
    bool installed = false;
    QtMessageHandler previous = nullptr;
};

LogState& state()
{
    static LogState log;
    return log;
}

const char* levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "debug";
    case QtInfoMsg:
        return "info";
    case QtWarningMsg:
        return "warning";
    case QtCriticalMsg:
        return "critical";
    case QtFatalMsg:
        return "fatal";
    }
    return "message";
}

bool belongsInLog(QtMsgType type, const char* category, bool verbose)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        return true;
    // Our debug lines arrive only when a rule turned them on; Qt's own
    // default ones arrive always and are worth the space only when asked for.
    return verbose || LogCategories::isOurs(category);
}

// Opened anew for each line, appending: two windows share the file, and a
// file rotated by one is followed by the other. Never through a link.
int openLog(const QByteArray& path)
{
    return ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

void writeLine(LogState& log, const QByteArray& line)
{
    int fd = openLog(log.path);
    if (fd < 0)
        return;
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && info.st_size > 0 && info.st_size + line.size() > SupportLog::kMaxBytes) {
        ::close(fd);
        ::rename(log.path.constData(), log.oldPath.constData());
        fd = openLog(log.path);
        if (fd < 0)
            return;
    }
    qsizetype written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(fd, line.constData() + written, static_cast<size_t>(line.size() - written));
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fd);
}

void logMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    LogState& log = state();
    {
        QMutexLocker lock(&log.mutex);
        if (belongsInLog(type, context.category, log.verbose)) {
            QByteArray line = QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8();
            line += ' ';
            line += levelName(type);
            line += ' ';
            line += context.category ? context.category : "default";
            line += ": ";
            line += message.toUtf8();
            line += '\n';
            writeLine(log, line);
        }
    }
    if (log.previous)
        log.previous(type, context, message);
}

} // namespace

namespace SupportLog {

QString path()
{
    return QDir(UserFolders::stateFolder()).filePath(QStringLiteral("fibrolog.log"));
}

bool install(bool verbose, QString* error)
{
    if (!UserFolders::makePrivateFolder(UserFolders::stateFolder(), error))
        return false;
    LogState& log = state();
    {
        QMutexLocker lock(&log.mutex);
        log.path = QFile::encodeName(path());
        log.oldPath = log.path + ".1";
        log.verbose = verbose;
        if (log.installed)
            return true;
        log.installed = true;
    }
    log.previous = qInstallMessageHandler(logMessage);
    return true;
}

void uninstall()
{
    LogState& log = state();
    if (!log.installed)
        return;
    qInstallMessageHandler(log.previous);
    QMutexLocker lock(&log.mutex);
    log.installed = false;
    log.previous = nullptr;
}

} // namespace SupportLog
