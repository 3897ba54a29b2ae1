#include "wizards/CLinkWizardPage2.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "wizards/CLinkWizard.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CLinkWizardPage2::CLinkWizardPage2(CLinkWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardNameCaption), wizard), link_(wizard)
{
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("c1055"));
    name_->setMaxLength(kMaxNameLength);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Strings::loadString(StringId::WizardEnterLinkName), this);
    // The question names the field, for screen readers.
    question->setBuddy(name_);
    layout->addWidget(question);
    layout->addWidget(name_);
    layout->addStretch(1);
    connect(name_, &QLineEdit::textChanged, this, [this] { setButtonsFor(!name_->text().isEmpty()); });
}

void CLinkWizardPage2::activate()
{
    setButtonsFor(!name_->text().isEmpty());
}

bool CLinkWizardPage2::onFinish()
{
    link_.setLinkName(name_->text());
    // The pages check their own fields; this catches what only the whole
    // link can tell, before the wizard closes and its values are gone.
    const LinkData link = link_.linkData();
    QString problem = validateLinkData(link);
    if (problem.isEmpty())
        problem = validateLinkStandard(link.standard, link_.catalog());
    if (!problem.isEmpty()) {
        link_.prompt().message(problem, Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        return false;
    }
    return true;
}
