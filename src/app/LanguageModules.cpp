#include "app/LanguageModules.h"

#include "app/EnglishStrings.h"
#include "app/LanguageModule.h"
#include "app/LanguageModuleName.h"
#include "app/NativeLanguageLine.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

QList<int> englishIds()
{
    QList<int> ids;
    for (const EnglishString& s : englishStrings())
        ids.append(s.id);
    return ids;
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
    return availableLanguages(folders_);
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
    std::unique_ptr<LanguageModule> module = LanguageModule::open(path, &lastError_);
    if (!module)
        return false;
    const QHash<int, QString> texts = module->texts(englishIds());
    if (texts.isEmpty()) {
        lastError_ = QStringLiteral("%1 carries none of the program's texts").arg(path);
        return false;
    }
    StringTable::current().setOverrides(texts);
    module_ = std::move(module);
    loadQtTranslation(lcid);
    loadedLcid_ = lcid;
    lastError_.clear();
    return true;
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
    // Only a language asked for by name is worth a word, and only when
    // another language came instead: English for "en_GB" is what was asked.
    // One merely taken from the environment falls back quietly.
    if (!name.isEmpty() && (wanted == 0 || primaryLanguageOf(result) != primaryLanguageOf(wanted))) {
        err << Strings::formatMessage(Strings::loadString(StringId::LanguageModuleMissing),
                                      {name, nativeLanguageLine(result)})
            << '\n';
        err.flush();
    }
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
