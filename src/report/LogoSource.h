#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// The logo printed at the top of every report: the user's image file when it
// can be read (BMP, PNG, JPEG or any other format Qt reads), else the
// built-in artwork of the resource asked for. Each image is loaded once per
// print job, so a PDF carries it once however many pages show it.
class LogoSource
{
public:
    // Built-in artwork: the plain logo, and the one for meters whose serial
    // number holds an "X".
    static constexpr int kPlainLogo = 134;
    static constexpr int kCrossLogo = 139;

    explicit LogoSource(const QString& logoPath) : logoPath_(logoPath) {}

    // The user's logo, or the built-in image `resourceId`; a null image when
    // neither exists.
    const QImage& image(int resourceId) const;

    // Whether the user's logo file could be read.
    bool hasUserLogo() const;

    static QImage builtIn(int resourceId);

private:
    QString logoPath_;
    mutable bool userLoaded_ = false;
    mutable QImage user_;
    mutable QHash<int, QImage> builtIns_;
};
