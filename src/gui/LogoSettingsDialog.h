#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QImage;
class QLabel;
class QLineEdit;
class QSettings;
class UserPrompt;

// Chooses the logo printed at the top of every report: a path edit (c1055),
// "..." to browse (c1181), a 200 x 200 preview (c1182), "Use Default"
// (c1183), OK (c1) and Cancel (c2).
//
// OK accepts an empty path (the reports then print the built-in logo) or a
// file that reads as an image; anything else is refused with a message and
// the dialog stays open. Otherwise it asks whether to print the image from
// now on: Yes stores the path as "LogoPath" in `settings` and makes it
// storedLogoPath(); No closes and stores nothing. Cancel changes nothing.
//
// Questions and messages go to `prompt`; the file is chosen through a
// replaceable chooser (the image file dialog by default).
class LogoSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Returns the chosen file, or nothing when the user cancels.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent, const QString& currentPath)>;

    // The settings value that keeps the logo path between runs.
    static inline const QString kLogoPathKey = QStringLiteral("LogoPath");
    // Opens on `currentLogoPath`, or on the default logo when that path does
    // not preview; quietly either way.
    LogoSettingsDialog(const QString& currentLogoPath, QSettings& settings, UserPrompt& prompt,
                       QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser);

    // The path stored when the user said Yes; nothing otherwise (No, Cancel,
    // or not closed yet). The caller makes it the program's logo path.
    std::optional<QString> storedLogoPath() const { return stored_; }

public Q_SLOTS:
    void accept() override;

private:
    void browse();
    void useDefault();
    // Shows the image in `path` and puts the path into the edit. A failure
    // leaves both as they were and, unless quiet, says why.
    bool preview(const QString& path, bool quiet);
    void showImage(const QImage& image);
    void storeLogoPath(const QString& path);

    QSettings& settings_;
    UserPrompt& prompt_;
    FileChooser chooseFile_;
    QLineEdit* pathEdit_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    std::optional<QString> stored_;
};
