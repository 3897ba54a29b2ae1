#pragma once

#include "standards/StandardKey.h"
#include "wizards/WizardSheet.h"

#include <functional>
#include <optional>

class CKavWizardPage;
class PagedReport;
class StandardsCatalog;
class UserPrompt;

// The Loss Wizard: a calculator of the loss a planned link may show before
// it fails its standard. The user picks a standard and a fiber type, gives
// the length and the numbers of connector pairs and splices, and the last
// page lists the allowed loss at every wavelength the standard covers, with
// a printout. Nothing is stored. The Link Wizard builds on its sheet and its
// four input pages.
class CLossWizard : public WizardSheet
{
    Q_OBJECT

public:
    // Prints a report the way the window prints (printer dialog, progress,
    // the failure said); the wizard's Print button hands its page to it.
    using PrintReport = std::function<void(PagedReport&)>;

    CLossWizard(const QString& caption, const StandardsCatalog& catalog, UserPrompt& prompt,
                QWidget* parent = nullptr);

    // Makes the pages, in order; called once after construction.
    virtual void buildPages();

    const StandardsCatalog& catalog() const { return catalog_; }
    UserPrompt& prompt() const { return prompt_; }

    const std::optional<StandardKey>& standardKey() const { return standardKey_; }
    void setStandardKey(const StandardKey& key) { standardKey_ = key; }
    void setFiberType(std::uint8_t fiberType);
    float lengthKm() const { return lengthKm_; }
    void setLengthKm(float km) { lengthKm_ = km; }
    int connectorPairs() const { return connectorPairs_; }
    void setConnectorPairs(int pairs) { connectorPairs_ = pairs; }
    int splices() const { return splices_; }
    void setSplices(int splices) { splices_ = splices; }

    void setPrintReport(PrintReport print) { printReport_ = std::move(print); }
    void print(PagedReport& report) const;

protected:
    // Adds a page and marks where it stands: the first added is the first
    // page, and each new page is the last until another follows.
    void addKavPage(CKavWizardPage* page);
    void addInputPages();

private:
    const StandardsCatalog& catalog_;
    UserPrompt& prompt_;
    std::optional<StandardKey> standardKey_;
    float lengthKm_ = 0;
    int connectorPairs_ = 0;
    int splices_ = 0;
    PrintReport printReport_;
    CKavWizardPage* lastPage_ = nullptr;
};
