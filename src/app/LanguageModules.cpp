#include "app/LanguageModules.h"

#include "app/EnglishStrings.h"
#include "app/LanguageModule.h"
#include "app/LanguageModuleName.h"
#include "app/LanguageModuleNumbers.h"
#include "app/NativeLanguageLine.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

// The module's texts for the program's ids, each only where its number
// formats are the English ones: the English text stands for any other.
QHash<int, QString> usableTexts(const LanguageModule& module)
{
    QHash<int, QString> texts;
    for (const EnglishString& s : englishStrings()) {
        const auto translated = module.text(s.id);
        if (translated && keepsNumberFormats(QString::fromUtf8(s.text), *translated))
            texts.insert(s.id, *translated);
    }
    return texts;
}

} // namespace

LanguageModules::LanguageModules(QStringList folders) : folders_(std::move(folders)) {}

LanguageModules::~LanguageModules()
{
    dropQtTranslation();
    if (module_)
        StringTable::current().clearOverrides();
}

QList<int> LanguageModules::available() const
{
    QList<int> languages = availableLanguages(folders_);
    for (const Refusal& refusal : refusals_)
        languages.removeAll(refusal.lcid);
    return languages;
}

bool LanguageModules::load(int lcid)
{
    if (lcid == kLcidEnglishUnitedStates) {
        dropQtTranslation();
        StringTable::current().clearOverrides();
        module_.reset();
        loadedLcid_ = lcid;
        lastError_.clear();
        return true;
    }
    const QString path = findLanguageModule(lcid, folders_);
    if (path.isEmpty()) {
        lastError_ = QStringLiteral("no language module %1 in %2")
                         .arg(languageModuleFileName(lcid).isEmpty() ? QString::number(lcid)
                                                                     : languageModuleFileName(lcid),
                              folders_.join(QLatin1String(", ")));
        return false;
    }
    QString reason;
    std::unique_ptr<LanguageModule> module = LanguageModule::open(path, &reason);
    if (!module) {
        refuse(lcid, path, reason);
        return false;
    }
    const QHash<int, QString> texts = usableTexts(*module);
    if (texts.isEmpty()) {
        refuse(lcid, path, Strings::loadString(StringId::LanguageModuleNoTexts));
        return false;
    }
    StringTable::current().setOverrides(texts);
    module_ = std::move(module);
    loadQtTranslation(lcid);
    loadedLcid_ = lcid;
    lastError_.clear();
    return true;
}

void LanguageModules::refuse(int lcid, const QString& path, const QString& reason)
{
    lastError_ = path + QLatin1String(": ") + reason;
    for (const Refusal& refusal : std::as_const(refusals_)) {
        if (refusal.path == path)
            return;
    }
    refusals_.append(Refusal{lcid, path, reason});
}

QStringList LanguageModules::refusalNotices() const
{
    QStringList notices;
    for (const Refusal& refusal : refusals_) {
        notices << Strings::formatMessage(
            Strings::loadString(StringId::LanguageModuleRefused),
            {QDir::toNativeSeparators(refusal.path), refusal.reason, nativeLanguageLine(loadedLcid_)});
    }
    return notices;
}

std::optional<int> LanguageModules::startUp(int threadLcid, const LanguageChooser& chooser)
{
    return chooseLanguage(
        threadLcid, [this] { return available(); }, chooser, [this](int lcid) { return load(lcid); });
}

int LanguageModules::loadRequested(const QString& request, QTextStream& err)
{
    const QString name = request.trimmed();
    const int wanted = name.isEmpty() ? lcidForLocale(QLocale()) : lcidOfRequest(name);
    const auto loaded = chooseLanguage(
        wanted, [this] { return available(); }, LanguageChooser(), [this](int lcid) { return load(lcid); });
    const int result = loaded.value_or(loadedLcid_);
    // A damaged module is always worth a word, and then says all there is.
    const QStringList refused = refusalNotices();
    for (const QString& notice : refused)
        err << notice << '\n';
    // Otherwise only a language asked for by name is worth a word, and only
    // when another language came instead: English for "en_GB" is what was
    // asked. One merely taken from the environment falls back quietly.
    if (refused.isEmpty() && !name.isEmpty() &&
        (wanted == 0 || primaryLanguageOf(result) != primaryLanguageOf(wanted))) {
        err << Strings::formatMessage(Strings::loadString(StringId::LanguageModuleMissing),
                                      {name, nativeLanguageLine(result)})
            << '\n';
    }
    err.flush();
    return result;
}

void LanguageModules::loadQtTranslation(int lcid)
{
    dropQtTranslation();
    const QLocale locale = localeForLcid(lcid);
    // Qt's texts are looked up through the application object only.
    if (locale.language() == QLocale::C || !QCoreApplication::instance())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    if (QCoreApplication::installTranslator(translator.get()))
        qtTranslator_ = std::move(translator);
}

void LanguageModules::dropQtTranslation()
{
    if (qtTranslator_ && QCoreApplication::instance())
        QCoreApplication::removeTranslator(qtTranslator_.get());
    qtTranslator_.reset();
}

int lcidOfRequest(const QString& request)
{
    const QString name = request.trimmed();
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return kLcidEnglishUnitedStates;
    bool ok = false;
    int lcid = 0;
    if (name.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        lcid = name.mid(2).toInt(&ok, 16);
    else
        lcid = name.toInt(&ok, 10);
    if (ok)
        return lcid > 0 ? lcid : 0;
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return 0;
    return lcidForLocale(locale);
}
