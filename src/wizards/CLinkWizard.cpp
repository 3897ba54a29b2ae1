#include "wizards/CLinkWizard.h"

#include "wizards/CLinkWizardCompanyPage.h"
#include "wizards/CLinkWizardNamePage.h"

CLinkWizard::CLinkWizard(const QString& caption, const StandardsCatalog& catalog, UserPrompt& prompt,
                         QList<CompanyChoice> companies, QWidget* parent)
    : CLossWizard(caption, catalog, prompt, parent), companies_(std::move(companies))
{
}

void CLinkWizard::buildPages()
{
    addInputPages();
    addKavPage(new CLinkWizardCompanyPage(*this));
    addKavPage(new CLinkWizardNamePage(*this));
}

int CLinkWizard::addOrganisation(const QString& name, const QString& telephone)
{
    for (int i = 0; i < companies_.size(); ++i) {
        if (companies_.at(i).name == name)
            return i;
    }
    CompanyChoice company;
    company.name = name;
    company.telephone = telephone;
    companies_.append(company);
    return static_cast<int>(companies_.size()) - 1;
}

QString CLinkWizard::companyName() const
{
    return companyIndex_ >= 0 && companyIndex_ < companies_.size() ? companies_.at(companyIndex_).name
                                                                   : QString();
}

LinkData CLinkWizard::linkData() const
{
    LinkData link;
    if (standardKey())
        link.standard = *standardKey();
    link.lengthKm = lengthKm();
    link.connectorPairs = connectorPairs();
    link.splices = splices();
    link.linkName = linkName_;
    if (companyIndex_ >= 0 && companyIndex_ < companies_.size())
        link.company = companies_.at(companyIndex_);
    return link;
}
