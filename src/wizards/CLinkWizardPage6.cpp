#include "wizards/CLinkWizardPage6.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CLinkWizard.h"
#include "wizards/NewCompanyDialog.h"
#include "wizards/SortedCombo.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CLinkWizardPage6::CLinkWizardPage6(CLinkWizard& wizard)
    : CKavWizardPage(Strings::loadString(StringId::WizardCompanySelectionCaption), wizard), link_(wizard)
{
    companies_ = new QComboBox(this);
    companies_->setObjectName(QStringLiteral("c1154"));
    companies_->setMinimumContentsLength(30);
    auto* create = new QPushButton(Strings::loadString(StringId::WizardNewOrganization), this);
    create->setObjectName(QStringLiteral("c1156"));
    create->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Strings::loadString(StringId::WizardCertifiedBy), this);
    // The question names the list, for screen readers.
    question->setBuddy(companies_);
    layout->addWidget(question);
    layout->addWidget(companies_);
    layout->addWidget(create, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(companies_, &QComboBox::activated, this,
            [this] { setButtonsFor(companies_->currentIndex() >= 0); });
    connect(create, &QPushButton::clicked, this, &CLinkWizardPage6::newOrganisation);
}

void CLinkWizardPage6::activate()
{
    fill();
    setButtonsFor(companies_->currentIndex() >= 0);
}

void CLinkWizardPage6::fill()
{
    const int chosen = companies_->currentIndex() >= 0 ? companies_->currentData().toInt() : -1;
    companies_->clear();
    const QList<CompanyChoice>& companies = link_.companies();
    for (int i = 0; i < companies.size(); ++i)
        insertSorted(*companies_, companies.at(i).name, i);
    const int select = remembered_ >= 0 ? remembered_ : chosen;
    companies_->setCurrentIndex(select >= 0 ? companies_->findData(select) : -1);
}

void CLinkWizardPage6::newOrganisation()
{
    NewCompanyDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    remembered_ = link_.addOrganisation(dialog.organization(), dialog.telephone());
    fill();
    setButtonsFor(companies_->currentIndex() >= 0);
}

int CLinkWizardPage6::onNext()
{
    if (companies_->currentIndex() < 0)
        return kStay;
    link_.setCompanyIndex(companies_->currentData().toInt());
    return kFollowOrder;
}
