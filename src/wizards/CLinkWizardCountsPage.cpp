#include "wizards/CLinkWizardCountsPage.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "wizards/CLossWizard.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

CLinkWizardCountsPage::CLinkWizardCountsPage(CLossWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardConnectorsSplicesCaption), wizard)
{
    // Digits only, as the fields of the original dialog took them.
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    connectors_ = new QLineEdit(QStringLiteral("0"), this);
    connectors_->setObjectName(QStringLiteral("c1153"));
    connectors_->setValidator(digits);
    splices_ = new QLineEdit(QStringLiteral("0"), this);
    splices_->setObjectName(QStringLiteral("c1057"));
    splices_->setValidator(digits);
    auto* layout = new QFormLayout(this);
    layout->addRow(Strings::loadString(StringId::DetailConnectorPairs), connectors_);
    layout->addRow(Strings::loadString(StringId::DetailSplices), splices_);
}

void CLinkWizardCountsPage::activate()
{
    setButtonsFor(true);
}

bool CLinkWizardCountsPage::readCount(QLineEdit& edit, int& count)
{
    bool ok = false;
    const qlonglong value = edit.text().trimmed().toLongLong(&ok);
    QString problem;
    if (!ok || value < 0)
        problem = Strings::loadString(StringId::PleaseEnterPositiveInteger);
    else if (value > kMaxCount)
        problem = Strings::formatMessage(Strings::loadString(StringId::WizardCountRange),
                                         {QStringLiteral("0"), QString::number(kMaxCount)});
    if (!problem.isEmpty()) {
        wizard().prompt().message(problem, Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        edit.setFocus();
        edit.selectAll();
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

int CLinkWizardCountsPage::onNext()
{
    int connectors = 0;
    int splices = 0;
    if (!readCount(*connectors_, connectors) || !readCount(*splices_, splices))
        return kStay;
    wizard().setConnectorPairs(connectors);
    wizard().setSplices(splices);
    return kFollowOrder;
}
