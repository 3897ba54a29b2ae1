#include "wizards/CLossWizard.h"

#include "wizards/CLinkWizardCountsPage.h"
#include "wizards/CLinkWizardFiberTypePage.h"
#include "wizards/CLinkWizardLengthPage.h"
#include "wizards/CLinkWizardStandardPage.h"
#include "wizards/CLossWizardSummary.h"

CLossWizard::CLossWizard(const QString& caption, const StandardsCatalog& catalog, UserPrompt& prompt,
                         QWidget* parent)
    : WizardSheet(caption, parent), catalog_(catalog), prompt_(prompt)
{
}

void CLossWizard::buildPages()
{
    addInputPages();
    addKavPage(new CLossWizardSummary(*this));
}

void CLossWizard::addInputPages()
{
    addKavPage(new CLinkWizardStandardPage(*this));
    addKavPage(new CLinkWizardFiberTypePage(*this));
    addKavPage(new CLinkWizardLengthPage(*this));
    addKavPage(new CLinkWizardCountsPage(*this));
}

void CLossWizard::addKavPage(CKavWizardPage* page)
{
    if (lastPage_)
        lastPage_->setPlace(lastPage_->isFirst(), false);
    page->setPlace(lastPage_ == nullptr, true);
    lastPage_ = page;
    addPage(page);
}

void CLossWizard::setFiberType(std::uint8_t fiberType)
{
    if (standardKey_)
        standardKey_->fiberType = fiberType;
}

void CLossWizard::print(PagedReport& report) const
{
    if (printReport_)
        printReport_(report);
}
