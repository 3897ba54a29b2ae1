#include "app/AvailableLanguages.h"

#include "app/LanguageModuleName.h"
#include "app/LocaleIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef FIBROLOG_LANGUAGE_DIR
#error "FIBROLOG_LANGUAGE_DIR names the installed folder of the language modules"
#endif

namespace {

void addModulesOf(const QString& folder, QList<int>& languages)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    const QStringList names = dir.entryList({languageModuleNameFilter()},
                                            QDir::Files | QDir::Readable | QDir::CaseSensitive, QDir::Name);
    for (const QString& name : names) {
        const auto lcid = lcidOfLanguageModule(name);
        if (lcid && !languages.contains(*lcid))
            languages.append(*lcid);
    }
}

} // namespace

QStringList defaultLanguageFolders()
{
    // After the folder of the prefix the program was built for, the same
    // folder under the prefix it runs from: an installation moved elsewhere
    // (cmake --install --prefix ~/.local) still finds its modules. Never the
    // current folder: whoever can write a file where the user happens to
    // start the program would choose the texts and number formats of the
    // reports.
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QStringLiteral(FIBROLOG_LANGUAGE_DIR),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/fibrolog/languages"))};
}

QList<int> availableLanguages(const QStringList& folders)
{
    QList<int> languages;
    if (!folders.isEmpty())
        addModulesOf(folders.first(), languages);
    if (!languages.contains(kLcidEnglishUnitedStates))
        languages.append(kLcidEnglishUnitedStates);
    for (qsizetype i = 1; i < folders.size(); ++i)
        addModulesOf(folders.at(i), languages);
    return languages;
}

QString findLanguageModule(int lcid, const QStringList& folders)
{
    const QString name = languageModuleFileName(lcid);
    if (name.isEmpty())
        return QString();
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return QString();
}
