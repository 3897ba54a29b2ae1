#pragma once

#include <QString>

// Tells which PDF reader the user already has, for the warning shown before
// a reader is installed from the medium. Empty when there is none.
class PdfReaderProbe
{
public:
    virtual ~PdfReaderProbe() = default;
    virtual QString readerVersion() = 0;
};

// The desktop's default application for PDF files, as xdg-mime names it
// ("org.gnome.Evince.desktop" is reported as "org.gnome.Evince").
class XdgMimePdfReaderProbe : public PdfReaderProbe
{
public:
    explicit XdgMimePdfReaderProbe(QString program = QStringLiteral("xdg-mime"));

    // Empty when the program is missing, fails, or takes longer than three
    // seconds (the window waits for it).
    QString readerVersion() override;

private:
    QString program_;
};
