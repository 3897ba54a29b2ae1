#include "wizards/WizardLinkDataSource.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CLinkWizard.h"

#include <QThread>
#include <QWidget>

WizardLinkDataSource::WizardLinkDataSource(const StandardsCatalog& catalog, UserPrompt& prompt,
                                           QWidget* parent)
    : catalog_(catalog), prompt_(prompt), parent_(parent)
{
}

// The meter's serial number, version and calibration date go with the
// download to the store; the wizard asks only for what the download lacks.
std::optional<LinkData> WizardLinkDataSource::askLinkData(const CorvinaMeterInfo& /*meter*/,
                                                          const QList<CompanyChoice>& companies)
{
    if (QThread::currentThread() == thread())
        return runWizard(companies);
    std::optional<LinkData> answer;
    QMetaObject::invokeMethod(
        this, [&] { answer = runWizard(companies); }, Qt::BlockingQueuedConnection);
    return answer;
}

// The original program gave this wizard the caption of the Loss Wizard.
std::optional<LinkData> WizardLinkDataSource::runWizard(const QList<CompanyChoice>& companies)
{
    CLinkWizard wizard(Strings::loadString(StringId::LossWizardCaption), catalog_, prompt_, companies,
                       parent_);
    wizard.buildPages();
    if (!wizard.run())
        return std::nullopt;
    return wizard.linkData();
}
