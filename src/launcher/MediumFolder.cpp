#include "launcher/MediumFolder.h"

#include "launcher/LanguageList.h"
#include "launcher/LauncherTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A settings file of a few KiB; more is not read.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

// Whether any of the offered languages, or English, has a text for a button.
bool hasButtonTexts(const ProfileFile& profile)
{
    QList<int> languages = offeredLanguages(profile);
    languages.append(LauncherTexts::kEnglish);
    for (const int lcid : std::as_const(languages)) {
        if (LauncherTexts::read(profile, lcid).hasButtonTextsFromFile)
            return true;
    }
    return false;
}

} // namespace

LanguagesFile LanguagesFile::inMedium(const QString& mediumFolder)
{
    LanguagesFile file;
    file.path_ = QDir(mediumFolder).absoluteFilePath(QStringLiteral("Languages.ini"));
    const QString shown = QDir::toNativeSeparators(file.path_);
    const QString english = QStringLiteral("\nThe buttons show their English names.");
    if (!QFileInfo(file.path_).isFile()) {
        file.problem_ = QStringLiteral("The medium's settings file was not found:\n%1").arg(shown) + english;
        return file;
    }
    QFile reader(file.path_);
    if (!reader.open(QIODevice::ReadOnly)) {
        file.problem_ = QStringLiteral("The medium's settings file cannot be read (%2):\n%1")
                            .arg(shown, reader.errorString()) +
                        english;
        return file;
    }
    file.profile_ = ProfileFile::fromBytes(reader.read(kMaxFileSize));
    if (!hasButtonTexts(file.profile_))
        file.problem_ =
            QStringLiteral("The medium's settings file has no texts for the buttons:\n%1").arg(shown) +
            english;
    return file;
}
