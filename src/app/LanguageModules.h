#pragma once

#include "app/AvailableLanguages.h"
#include "app/LanguageChoice.h"
#include "app/LocaleIds.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class LanguageModule;
class QTextStream;
class QTranslator;

// The language of a run: the module whose texts the string table shows and
// Qt's own translation for the same language (the buttons of message boxes,
// file and print dialogs). It owns both, so it lives as long as the program;
// when it goes, the built-in English comes back. Make it once the
// application object exists: Qt's translation is installed there, and the
// program's folder is known from it.
class LanguageModules
{
public:
    explicit LanguageModules(QStringList folders = defaultLanguageFolders());
    ~LanguageModules();
    LanguageModules(const LanguageModules&) = delete;
    LanguageModules& operator=(const LanguageModules&) = delete;

    const QStringList& folders() const { return folders_; }

    // The languages the folders offer, in the order the choice lists them.
    QList<int> available() const;

    // Loads one language: 1033 is the built-in English and always loads; any
    // other LCID needs its module file in one of the folders, readable and
    // carrying at least one of the program's texts. Texts the module lacks
    // stay English. On failure the language loaded before stays and
    // lastError() says why.
    bool load(int lcid);

    // The window's start-up: chooseLanguage() with the thread locale's LCID,
    // these folders and `chooser` (the "Choose your Language" dialog). The
    // LCID loaded; nothing when no language could be loaded.
    std::optional<int> startUp(int threadLcid, const LanguageChooser& chooser);

    // The command line's choice, without asking anyone: `request` is a locale
    // name ("de_DE"), a decimal LCID ("1031") or a hexadecimal one ("0x407");
    // empty takes the thread locale. Loads that language, else a close match,
    // else English; a request that did not get its own language is told so on
    // `err` in one line. Returns the LCID loaded.
    int loadRequested(const QString& request, QTextStream& err);

    int loadedLcid() const { return loadedLcid_; }
    const QString& lastError() const { return lastError_; }

    // Whether Qt's own texts are translated into the loaded language.
    bool hasQtTranslation() const { return qtTranslator_ != nullptr; }

private:
    void loadQtTranslation(int lcid);
    void dropQtTranslation();

    QStringList folders_;
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<QTranslator> qtTranslator_;
    int loadedLcid_ = kLcidEnglishUnitedStates;
    QString lastError_;
};

// The LCID a command-line request names (see LanguageModules::loadRequested);
// 0 when it names no language the program knows.
int lcidOfRequest(const QString& request);
