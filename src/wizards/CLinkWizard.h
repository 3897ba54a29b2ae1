#pragma once

#include "document/LinkData.h"
#include "wizards/CLossWizard.h"

#include <QList>

// The Link Wizard: what a Corvina download does not carry about the link it
// tested (standard, fiber type, length, connector pairs and splices, the
// certifying organisation and the link's name). It offers the organisations
// of the open document and those made here with New Organization; nothing
// is written until the download is stored.
class CLinkWizard : public CLossWizard
{
    Q_OBJECT

public:
    CLinkWizard(const QString& caption, const StandardsCatalog& catalog, UserPrompt& prompt,
                QList<CompanyChoice> companies, QWidget* parent = nullptr);

    void buildPages() override;

    // The organisations offered: the document's, then those made here.
    const QList<CompanyChoice>& companies() const { return companies_; }
    // A new organisation with the meter's serial number and version; the
    // index of the organisation to select, an existing one of the same name
    // when there is one.
    int addOrganisation(const QString& name, const QString& telephone);

    const QString& linkName() const { return linkName_; }
    void setLinkName(const QString& name) { linkName_ = name; }
    // The chosen organisation, an index into companies(); -1 before the
    // Company page was left with Next.
    int companyIndex() const { return companyIndex_; }
    void setCompanyIndex(int index) { companyIndex_ = index; }
    QString companyName() const;

    // What the download is stored with, once the wizard has finished.
    LinkData linkData() const;

private:
    QList<CompanyChoice> companies_;
    QString linkName_;
    int companyIndex_ = -1;
};
