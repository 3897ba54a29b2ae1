#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class QWidget;

// A medium folder of a test's own: Languages.ini and small programs that
// leave a file behind when they run.
class TestMedium
{
public:
    TestMedium();

    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    void writeFile(const QString& name, const QByteArray& content) const;
    // A shell script `name` that writes its arguments, one a line, into the
    // file `markName`. `executable` false leaves it unable to start.
    void writeMarkingScript(const QString& name, const QString& markName, bool executable = true) const;

private:
    QTemporaryDir folder_;
};

// The file's contents once it is there and ends with a line break, or a
// null QByteArray after five seconds: the programs run on their own.
QByteArray waitForFile(const QString& path);

// Grabs `widget` into `<name>.png` in FIBROLOG_SCREENSHOTS when that is set,
// and returns the picture, transparent outside the widget's shape.
QImage grabScreenshot(QWidget& widget, const QString& name);
