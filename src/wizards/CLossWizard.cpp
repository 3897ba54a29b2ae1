#include "wizards/CLossWizard.h"

#include "wizards/CLinkWizardPage1.h"
#include "wizards/CLinkWizardPage3.h"
#include "wizards/CLinkWizardPage4.h"
#include "wizards/CLinkWizardPage5.h"
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
    addKavPage(new CLinkWizardPage1(*this));
    addKavPage(new CLinkWizardPage3(*this));
    addKavPage(new CLinkWizardPage4(*this));
    addKavPage(new CLinkWizardPage5(*this));
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
