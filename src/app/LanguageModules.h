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

    // The languages the folders offer, in the order the choice lists them,
    // without those whose module was refused.
    QList<int> available() const;

    // Loads one language: 1033 is the built-in English and always loads; any
    // other LCID needs its module file in one of the folders, listed with its
    // checksum, sound, and carrying at least one of the program's texts.
    // Texts the module lacks stay English, and so do texts whose number
    // formats differ from the English ones (see keepsNumberFormats()). On
    // failure the language loaded before stays and lastError() says why; a
    // module that is there but cannot be used is also remembered as refused
    // (refusalNotices()) and is no longer offered by available().
    bool load(int lcid);

    // The window's start-up: chooseLanguage() with the thread locale's LCID,
    // these folders and `chooser` (the "Choose your Language" dialog). The
    // LCID loaded; nothing when no language could be loaded.
    std::optional<int> startUp(int threadLcid, const LanguageChooser& chooser);

    // The command line's choice, without asking anyone: `request` is a locale
    // name ("de_DE"), a decimal LCID ("1031") or a hexadecimal one ("0x407");
    // empty takes the thread locale. Loads that language, else a close match,
    // else English. A refused module is told on `err` in one line each,
    // whether the language was asked for or taken from the environment;
    // otherwise a request that did not get its own language is told so in
    // one line. Returns the LCID loaded.
    int loadRequested(const QString& request, QTextStream& err);

    int loadedLcid() const { return loadedLcid_; }
    const QString& lastError() const { return lastError_; }

    // One sentence for each module refused so far in this run: which file,
    // why, and the language in use instead. The window shows them in a
    // message, the command line prints them.
    QStringList refusalNotices() const;

    // Whether Qt's own texts are translated into the loaded language.
    bool hasQtTranslation() const { return qtTranslator_ != nullptr; }

private:
    void loadQtTranslation(int lcid);
    void dropQtTranslation();
    void refuse(int lcid, const QString& path, const QString& reason);

    struct Refusal
    {
        int lcid;
        QString path;
        QString reason;
    };

    QStringList folders_;
    std::unique_ptr<LanguageModule> module_;
    std::unique_ptr<QTranslator> qtTranslator_;
    int loadedLcid_ = kLcidEnglishUnitedStates;
    QString lastError_;
    QList<Refusal> refusals_;
};

// The LCID a command-line request names (see LanguageModules::loadRequested);
// 0 when it names no language the program knows.
int lcidOfRequest(const QString& request);
