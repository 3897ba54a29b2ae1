#include "LauncherTestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QTest>
#include <QWidget>

TestMedium::TestMedium() = default;

void TestMedium::writeFile(const QString& name, const QByteArray& content) const
{
    const QString path = filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

void TestMedium::writeMarkingScript(const QString& name, const QString& markName, bool executable) const
{
    const QByteArray mark = QFile::encodeName(filePath(markName));
    writeFile(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + mark + ".part'\nmv '" + mark + ".part' '" +
                        mark + "'\n");
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    QFile::setPermissions(filePath(name), permissions);
}

QByteArray waitForFile(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
        QTest::qWait(20);
    }
    return {};
}

QImage grabScreenshot(QWidget& widget, const QString& name)
{
    QImage image = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // A grab ignores the window's shape; the picture shows it.
    const QRegion shape = widget.mask();
    if (!shape.isEmpty()) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!shape.contains(QPoint(x, y)))
                    image.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    const QString wanted = qEnvironmentVariable("FIBROLOG_SCREENSHOTS");
    if (!wanted.isEmpty())
        image.save(QDir(wanted).filePath(name + QStringLiteral(".png")));
    return image;
}
